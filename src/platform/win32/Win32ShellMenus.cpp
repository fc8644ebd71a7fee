#include "platform/win32/Win32ShellMenus.h"

#include <utility>

#include "menus/MenuLevel.h"
#include "platform/win32/LateLibraries.h"
#include "platform/win32/Win32Popup.h"

namespace kelvo {
namespace {

POINT Pointer() {
    POINT at{};
    GetCursorPos(&at);
    return at;
}

}  // namespace

UINT Win32ShellMenus::TrackNested(HMENU menu, POINT at) {
    showing_ = true;
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RECURSE | TPM_RIGHTBUTTON, at.x, at.y, owner_, nullptr));
    showing_ = false;
    return chosen;
}

ShellMenuOutcome Win32ShellMenus::ShowFor(const std::string& path) {
    EnterOleApartment();
    chosen_ = 0;
    ShellItemMenu::Made made = ShellItemMenu::Make(path, owner_, GetKeyState(VK_SHIFT) < 0);
    if (!made.menu) return ShellMenuOutcome{ShellMenuEnd::NotShown, made.reason};
    menu_ = std::move(made.menu);
    const POINT at = Pointer();
    chosen_ = TrackNested(menu_->Menu(), at);
    if (chosen_ == 0) {
        menu_.reset();
        return ShellMenuOutcome{};
    }
    chosenAt_ = at;
    return ShellMenuOutcome{ShellMenuEnd::VerbChosen, {}};
}

std::optional<std::string> Win32ShellMenus::RunChosen() {
    if (!menu_ || chosen_ == 0) return std::nullopt;
    const std::unique_ptr<ShellItemMenu> menu = std::move(menu_);
    return menu->Run(std::exchange(chosen_, 0), chosenAt_);
}

void Win32ShellMenus::ShowNotice(const std::string& text) {
    MenuLevel notice;
    notice.InsertNotice(0, text);
    const HMENU menu = RenderMenu(notice);
    TrackNested(menu, Pointer());
    DestroyMenu(menu);
}

bool Win32ShellMenus::OnOwnerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!showing_) return false;
    switch (message) {
        case WM_INITMENUPOPUP:
        case WM_UNINITMENUPOPUP:
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
        case WM_MENUCHAR:
        case WM_MENUSELECT:
            result = 0;
            if (menu_) menu_->HandleMessage(message, wParam, lParam, result);
            return true;
        default: return false;
    }
}

}  // namespace kelvo
