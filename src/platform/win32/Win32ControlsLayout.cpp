#include "platform/win32/Win32ControlsLayout.h"

#include <commctrl.h>

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <string>

#include "platform/win32/SystemLibraries.h"
#include "platform/win32/Twips.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32ListView.h"
#include "platform/win32/resources/ResourceIds.h"

namespace kelvo {
namespace {

using layout::Kind;

constexpr int kFirstId = 100;

bool IsTopLevel(const layout::Control& control, const layout::Form& form) {
    return control.parent.empty() || layout::Find(form, control.parent).kind == Kind::TabControl;
}

// Client-level controls by Tab order, then the contents of panels (which
// need their panel first); the tab control goes last, beneath its pages.
std::vector<int> BuildOrder(const layout::Form& form) {
    std::vector<int> order(form.controls.size());
    std::iota(order.begin(), order.end(), 0);
    auto rank = [&form](int index) {
        const layout::Control& control = form.controls[static_cast<std::size_t>(index)];
        const int tabOrder = control.tabOrder == layout::kNoTabOrder ? 1000 : control.tabOrder;
        return std::pair{IsTopLevel(control, form) ? 0 : 1, tabOrder};
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return rank(a) < rank(b); });
    return order;
}

DWORD StaticAlign(layout::Align align) {
    switch (align) {
        case layout::Align::Centre: return SS_CENTER;
        case layout::Align::Right: return SS_RIGHT;
        case layout::Align::Left: break;
    }
    return SS_LEFT;
}

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind KindOf(const layout::Control& control, LaidOutControls::Statics statics) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    const wchar_t* staticClass = statics == LaidOutControls::Statics::Drawn ? DrawnStaticClass() : L"STATIC";
    switch (control.kind) {
        case Kind::TabControl:
            return {WC_TABCONTROLW, kChild | WS_CLIPSIBLINGS | WS_TABSTOP, 0};
        case Kind::PushButton: return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case Kind::Label: return {staticClass, kChild | SS_NOPREFIX | StaticAlign(control.align), 0};
        case Kind::TextBox:
            return {L"EDIT", kChild | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL,
                    WS_EX_CLIENTEDGE};
        case Kind::Panel: return {PanelClass(), kChild | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
        case Kind::Image: return {staticClass, kChild | SS_ICON | SS_CENTERIMAGE, 0};
        case Kind::CheckBox: return {L"BUTTON", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
        case Kind::HotKey: return {HOTKEY_CLASSW, kChild | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case Kind::ListView:
        case Kind::PictureBox: break;
    }
    throw std::logic_error("no plain window for this kind of control");
}

// Tabs are painted in the system's classic colours, as the layout asks,
// also where visual styles would paint them white. Blank names (not empty
// ones, which Wine ignores) match no theme class.
void UseClassicLook(HWND control) {
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    static const auto setWindowTheme = SystemCall<SetWindowThemeFn>(L"uxtheme.dll", "SetWindowTheme");
    if (setWindowTheme != nullptr) setWindowTheme(control, L" ", L" ");
}

void AddTabs(HWND tabs) {
    int index = 0;
    for (std::string_view caption : layout::TabCaptions()) {
        std::wstring text = Widen(caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(tabs, TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
    }
}

bool Overlap(const layout::Control& a, const layout::Control& b) {
    return a.parent == b.parent && a.tabPage == b.tabPage && a.left < b.left + b.width &&
           b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}

int IconResource(layout::Picture picture) {
    return picture == layout::Picture::WaitIcon ? IDI_WAIT : IDI_KELVOTOP;
}

}  // namespace

HICON LoadIconResource(int resourceId, int side) {
    auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                              IMAGE_ICON, side, side, 0));
    if (icon != nullptr) return icon;
    return static_cast<HICON>(
        CopyImage(LoadIconW(nullptr, IDI_APPLICATION), IMAGE_ICON, side, side, 0));
}

LaidOutControls::LaidOutControls(HWND form, const layout::Form& layout, int dpi, Statics statics)
    : form_(form), layout_(layout), windows_(layout.controls.size(), nullptr) {
    for (int index : BuildOrder(layout_))
        Build(layout_.controls[static_cast<std::size_t>(index)], index, statics);
    for (std::size_t index = 0; index < windows_.size(); ++index)
        if (layout_.controls[index].kind == Kind::TabControl)
            SetWindowPos(windows_[index], HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RaiseButtonsOverLists();
    Place(dpi);
}

void LaidOutControls::RaiseButtonsOverLists() {
    // A button that overlaps a list goes just above it, so the button is
    // painted and clicked there; it then comes right before the list in
    // keyboard order.
    for (std::size_t button = 0; button < windows_.size(); ++button) {
        if (layout_.controls[button].kind != Kind::PushButton) continue;
        for (std::size_t list = 0; list < windows_.size(); ++list) {
            if (layout_.controls[list].kind != Kind::ListView ||
                !Overlap(layout_.controls[button], layout_.controls[list]))
                continue;
            HWND above = GetWindow(windows_[list], GW_HWNDPREV);
            SetWindowPos(windows_[button], above == nullptr ? HWND_TOP : above, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

LaidOutControls::~LaidOutControls() {
    // The controls go with their form; only what they borrowed is freed here.
    ReleaseFonts();
    ReleaseIcons();
}

void LaidOutControls::Build(const layout::Control& control, int index, Statics statics) {
    if (control.kind == Kind::PictureBox) return;
    const int id = kFirstId + index;
    HWND window = nullptr;
    if (control.kind == Kind::ListView) {
        window = CreateReportView(ParentOf(control), id, RECT{}, ColourRef(control.fore),
                                  ColourRef(control.back), WindowDpi(form_));
    } else {
        const WindowKind kind = KindOf(control, statics);
        const std::wstring text = Widen(control.text);
        window = CreateWindowExW(kind.exStyle, kind.className, text.c_str(), kind.style, 0, 0, 0, 0,
                                 ParentOf(control),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    }
    if (window == nullptr)
        throw std::runtime_error("cannot create control " + std::string(control.name));
    if (control.kind == Kind::TabControl) {
        UseClassicLook(window);
        AddTabs(window);
    }
    // An image shows through to its container's background.
    layout::Control look = control;
    if (control.kind == Kind::Image && !control.parent.empty())
        look.back = layout::Find(layout_, control.parent).back;
    looks_.Attach(window, look);
    windows_[static_cast<std::size_t>(index)] = window;
}

HWND LaidOutControls::ParentOf(const layout::Control& control) const {
    if (IsTopLevel(control, layout_)) return form_;
    return Get(control.parent);
}

POINT LaidOutControls::OriginOf(const layout::Control& control) const {
    if (control.parent.empty()) return POINT{0, 0};
    const layout::Control& container = layout::Find(layout_, control.parent);
    // Page controls are measured from the tab control; a panel's contents
    // are its own children, measured from it by the window system.
    if (container.kind == Kind::TabControl) return POINT{container.left, container.top};
    return POINT{0, 0};
}

HWND LaidOutControls::Get(std::string_view name) const {
    for (std::size_t index = 0; index < windows_.size(); ++index)
        if (layout_.controls[index].name == name) return windows_[index];
    return nullptr;
}

const layout::Control* LaidOutControls::ById(int id) const {
    const int index = id - kFirstId;
    if (index < 0 || index >= static_cast<int>(layout_.controls.size())) return nullptr;
    return &layout_.controls[static_cast<std::size_t>(index)];
}

Win32TabControl::PageControls LaidOutControls::PageControls() const {
    Win32TabControl::PageControls pages;
    for (std::size_t index = 0; index < windows_.size(); ++index) {
        const layout::Control& control = layout_.controls[index];
        if (windows_[index] != nullptr && control.tabPage != layout::kNoTabPage &&
            IsTopLevel(control, layout_))
            pages.emplace_back(windows_[index], control.tabPage);
    }
    return pages;
}

void LaidOutControls::Place(int dpi) {
    std::vector<std::pair<layout::Font, HFONT>> oldFonts;
    oldFonts.swap(fonts_);
    std::vector<HICON> oldIcons;
    oldIcons.swap(icons_);
    for (std::size_t index = 0; index < windows_.size(); ++index) {
        HWND window = windows_[index];
        if (window == nullptr) continue;
        layout::Control control = layout_.controls[index];
        const POINT origin = OriginOf(control);
        control.left += origin.x;
        control.top += origin.y;
        const RECT rect = PixelRect(control, dpi);
        SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        if (control.kind == Kind::Image) {
            HICON icon = LoadIconResource(IconResource(control.picture), rect.right - rect.left);
            icons_.push_back(icon);
            SendMessageW(window, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
            continue;
        }
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control.font, dpi)), TRUE);
        if (control.kind == Kind::ListView) SizeReportColumns(window, dpi);
    }
    for (const auto& [font, handle] : oldFonts) DeleteObject(handle);
    for (HICON icon : oldIcons) DestroyIcon(icon);
}

HFONT LaidOutControls::FontFor(const layout::Font& font, int dpi) {
    for (const auto& [known, handle] : fonts_)
        if (known == font) return handle;
    HFONT handle = CreateLayoutFont(font, dpi);
    fonts_.emplace_back(font, handle);
    return handle;
}

void LaidOutControls::ReleaseFonts() {
    for (const auto& [font, handle] : fonts_) DeleteObject(handle);
    fonts_.clear();
}

void LaidOutControls::ReleaseIcons() {
    for (HICON icon : icons_) DestroyIcon(icon);
    icons_.clear();
}

}  // namespace kelvo
