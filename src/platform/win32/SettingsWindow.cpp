#include "platform/win32/SettingsWindow.h"

#include <commctrl.h>

#include <array>
#include <stdexcept>
#include <utility>

#include "platform/win32/LateLibraries.h"
#include "platform/win32/Twips.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32ControlsForm.h"
#include "platform/win32/Win32ControlsLayout.h"
#include "platform/win32/Win32ImageList.h"
#include "platform/win32/Win32ListView.h"
#include "platform/win32/Win32SettingsExtras.h"
#include "platform/win32/Win32WindowClass.h"
#include "platform/win32/resources/ResourceIds.h"

namespace kelvo {
namespace {

// Fixed single border with a caption, and no system menu, minimize or maximize box.
constexpr DWORD kStyle = WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

constexpr auto kButtonNames = std::to_array<std::pair<SettingsCommand, std::string_view>>({
    {SettingsCommand::Help, "cmdKelvoTopHelp"},
    {SettingsCommand::Exit, "cmdExit"},
    {SettingsCommand::OK, "cmdOK"},
    {SettingsCommand::Cancel, "cmdCancel"},
    {SettingsCommand::DesktopMoveUp, "cmdDesktopMoveUp"},
    {SettingsCommand::DesktopMoveDown, "cmdDesktopMoveDown"},
    {SettingsCommand::DesktopRemoveItem, "cmdDesktopRemoveItem"},
    {SettingsCommand::LoadDeskTop, "cmdLoadDeskTop"},
    {SettingsCommand::CustomMoveUp, "cmdCustomMoveUp"},
    {SettingsCommand::CustomMoveDown, "cmdCustomMoveDown"},
    {SettingsCommand::CustomRemoveItem, "cmdCustomRemoveItem"},
    {SettingsCommand::StartExplorer, "cmdStartExplorer"},
});

// Everything behind the settings window; its window procedure reaches it
// through the window's user data.
struct SettingsHost {
    SettingsHost(SettingsWindow& owner, HINSTANCE instance);
    ~SettingsHost();
    SettingsHost(const SettingsHost&) = delete;
    SettingsHost& operator=(const SettingsHost&) = delete;

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam);
    void OnNotify(const NMHDR& header);
    void OnListNotify(const NMHDR& header, int list);
    bool PressFocusedButton(const MSG& message);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void SizeImages(int dpi);

    SettingsWindow& owner;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    HWND window = nullptr;
    std::unique_ptr<LaidOutControls> controls;
    std::unique_ptr<FormWindow> form;
    std::unique_ptr<Win32TabControl> tabs;
    std::unique_ptr<Win32ListView> desktopList;
    std::unique_ptr<Win32ListView> customList;
    Win32ImageList desktopImages;
    Win32ImageList customImages;
    std::array<std::unique_ptr<Win32Button>, kButtonNames.size()> buttons;
};

SettingsHost::SettingsHost(SettingsWindow& settings, HINSTANCE instance)
    : owner(settings) {
    LoadCommonControls();
    RegisterFormClass(instance, kSettingsClassName, HostedWindowProc<SettingsHost>);
    const std::wstring caption = Widen(layout::Desktop().caption);
    window = CreateWindowExW(kExStyle, kSettingsClassName, caption.c_str(), kStyle, CW_USEDEFAULT,
                             CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    if (window == nullptr) throw std::runtime_error("cannot create the settings window");
    const int dpi = WindowDpi(window);
    controls = std::make_unique<LaidOutControls>(window, layout::Desktop(), dpi);
    form = std::make_unique<FormWindow>(window, layout::Desktop().clientWidth,
                                        layout::Desktop().clientHeight, FormRole::Settings);
    tabs = std::make_unique<Win32TabControl>(controls->Get("tabs"), controls->PageControls());
    desktopList = std::make_unique<Win32ListView>(controls->Get("desktopList"));
    customList = std::make_unique<Win32ListView>(controls->Get("customList"));
    for (std::size_t index = 0; index < kButtonNames.size(); ++index)
        buttons[index] = std::make_unique<Win32Button>(controls->Get(kButtonNames[index].second));
    SizeImages(dpi);
}

// The window's icons and the lists' pictures at the sizes the system asks
// for at `dpi`. The image lists are emptied.
void SettingsHost::SizeImages(int dpi) {
    HICON oldBig = std::exchange(bigIcon, LoadIconResource(IDI_KELVOTOP, MetricForDpi(SM_CXICON, dpi)));
    HICON oldSmall = std::exchange(smallIcon, LoadIconResource(IDI_KELVOTOP, MetricForDpi(SM_CXSMICON, dpi)));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
    if (oldBig) DestroyIcon(oldBig);
    if (oldSmall) DestroyIcon(oldSmall);
    const int side = MetricForDpi(SM_CXSMICON, dpi);
    desktopImages.SetSide(side);
    customImages.SetSide(side);
}

SettingsHost::~SettingsHost() {
    // No event reaches the owner while the window is torn down.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
    DestroyIcon(bigIcon);
    DestroyIcon(smallIcon);
}

LRESULT SettingsHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (owner.onMessage && owner.onMessage(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_COMMAND: OnCommand(wParam); return 0;
        case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); return 0;
        case WM_DROPFILES: {
            // Finished before the paths are handled, whatever becomes of them.
            const std::vector<std::string> paths = TakeDroppedPaths(reinterpret_cast<HDROP>(wParam));
            if (owner.onDrop) owner.onDrop(paths);
            return 0;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN: return ColourControl(window, message, wParam, lParam);
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        // Closing only hides or ends through the window's own buttons.
        case WM_CLOSE: return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

void SettingsHost::OnCommand(WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED || controls == nullptr) return;
    // Esc and Enter, as the dialog manager raises them.
    if (LOWORD(wParam) == IDCANCEL && owner.onClick) owner.onClick(SettingsCommand::Cancel);
    if (LOWORD(wParam) == IDOK && owner.onClick) owner.onClick(SettingsCommand::OK);
    const layout::Control* control = controls->ById(LOWORD(wParam));
    if (control == nullptr) return;
    for (const auto& [button, name] : kButtonNames)
        if (name == control->name && owner.onClick) owner.onClick(button);
}

void SettingsHost::OnNotify(const NMHDR& header) {
    if (tabs == nullptr) return;
    if (header.hwndFrom == tabs->Handle() && header.code == TCN_SELCHANGE) {
        const int tab = tabs->OnSelectionChanged();
        if (owner.onTabChange) owner.onTabChange(tab);
    } else if (header.hwndFrom == desktopList->Handle()) {
        OnListNotify(header, 1);
    } else if (header.hwndFrom == customList->Handle()) {
        OnListNotify(header, 2);
    }
}

// A click, or a selection changed from the mouse or the keyboard; Delete
// removes the selected row.
void SettingsHost::OnListNotify(const NMHDR& header, int list) {
    if (header.code == LVN_KEYDOWN) {
        const auto& key = reinterpret_cast<const NMLVKEYDOWN&>(header);
        if (key.wVKey == VK_DELETE && owner.onClick)
            owner.onClick(list == 1 ? SettingsCommand::DesktopRemoveItem : SettingsCommand::CustomRemoveItem);
        return;
    }
    bool selectionMoved = header.code == NM_CLICK;
    if (header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        selectionMoved = (change.uChanged & LVIF_STATE) && ((change.uNewState ^ change.uOldState) & LVIS_SELECTED);
    }
    if (selectionMoved && owner.onListSelection) owner.onListSelection(list);
}

// Enter on a button that has the focus presses that button. The dialog
// manager would raise OK instead, since this window has no default button;
// everywhere else its OK for Enter is right.
bool SettingsHost::PressFocusedButton(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) return false;
    HWND focus = GetFocus();
    wchar_t className[16] = {};
    GetClassNameW(focus, className, 16);
    if (lstrcmpiW(className, WC_BUTTONW) != 0 || !IsChild(window, focus)) return false;
    SendMessageW(focus, BM_CLICK, 0, 0);
    return true;
}

void SettingsHost::OnDpiChanged(int dpi, const RECT& suggested) {
    SetWindowPos(window, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (form != nullptr) form->Resize(dpi);
    if (controls != nullptr) controls->Place(dpi);
    SizeImages(dpi);
    if (owner.onScaleChanged) owner.onScaleChanged();
}

}  // namespace

struct SettingsWindow::Impl final : SettingsHost {
    using SettingsHost::SettingsHost;
};

SettingsWindow::SettingsWindow(HINSTANCE instance) : impl_(std::make_unique<Impl>(*this, instance)) {}

SettingsWindow::~SettingsWindow() = default;

HWND SettingsWindow::Handle() const { return impl_->window; }

HICON SettingsWindow::ProgramIcon(bool small) const {
    return small ? impl_->smallIcon : impl_->bigIcon;
}

Window& SettingsWindow::AsWindow() { return *impl_->form; }
TabControl& SettingsWindow::Tabs() { return *impl_->tabs; }
ListView& SettingsWindow::DesktopList() { return *impl_->desktopList; }
ListView& SettingsWindow::CustomList() { return *impl_->customList; }
ImageList& SettingsWindow::DesktopImages() { return impl_->desktopImages; }
ImageList& SettingsWindow::CustomImages() { return impl_->customImages; }

Button& SettingsWindow::ButtonOf(SettingsCommand which) {
    for (std::size_t index = 0; index < kButtonNames.size(); ++index)
        if (kButtonNames[index].first == which) return *impl_->buttons[index];
    throw std::out_of_range("no such button");
}

bool SettingsWindow::TakeDialogKey(MSG& message) {
    HWND window = impl_->window;
    return IsWindowVisible(window) && (impl_->PressFocusedButton(message) || IsDialogMessageW(window, &message));
}

HWND SettingsWindow::ControlHandle(std::string_view name) const {
    return impl_->controls->Get(name);
}

}  // namespace kelvo
