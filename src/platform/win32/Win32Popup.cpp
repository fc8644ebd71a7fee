#include "platform/win32/Win32Popup.h"

#include "menus/MenuLevel.h"
#include "platform/win32/Utf8.h"

namespace kelvo {

std::wstring LiteralCaption(const std::string& text) {
    std::wstring caption;
    for (wchar_t c : Widen(text)) {
        if (c == L'&') caption += L'&';
        caption += c;
    }
    return caption;
}

namespace {
void AppendItem(HMENU menu, const MenuItem& item) {
    // Command ids are whole ints; the menu keeps them in full.
    const auto id = static_cast<UINT_PTR>(static_cast<UINT>(item.id));
    switch (item.kind) {
    case MenuItemKind::Command:
        AppendMenuW(menu, MF_STRING, id, LiteralCaption(item.text).c_str());
        break;
    case MenuItemKind::Separator:
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        break;
    case MenuItemKind::ColumnBreak:
        AppendMenuW(menu, MF_SEPARATOR | MF_MENUBARBREAK, id, nullptr);
        break;
    case MenuItemKind::Submenu:
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(RenderMenu(*item.submenu)),
                    LiteralCaption(item.text).c_str());
        break;
    }
}
}  // namespace

HMENU RenderMenu(const MenuLevel& level) {
    HMENU menu = CreatePopupMenu();
    for (int pos = 0; pos < level.Count(); ++pos) AppendItem(menu, level.At(pos));
    return menu;
}

Win32Popup::Win32Popup(HWND owner) : owner_(owner) {}

Win32Popup::~Win32Popup() {
    if (menu_ != nullptr) DestroyMenu(menu_);
}

void Win32Popup::Prepare(const MenuLevel& menu) {
    HMENU rendered = RenderMenu(menu);
    if (menu_ != nullptr) DestroyMenu(menu_);
    menu_ = rendered;
}

int Win32Popup::Track() {
    if (menu_ == nullptr) return 0;
    POINT at{};
    GetCursorPos(&at);
    // Without the foreground the menu would not close when the user clicks
    // elsewhere; the null message after it lets the next showing work.
    SetForegroundWindow(owner_);
    const int chosen = TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y,
                                      0, owner_, nullptr);
    PostMessageW(owner_, WM_NULL, 0, 0);
    return chosen;
}

}  // namespace kelvo
