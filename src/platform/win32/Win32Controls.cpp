#include "platform/win32/Win32Controls.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/Win32ControlsLook.h"

namespace kelvo {

void Win32Button::Enable(bool enabled) { EnableWindow(button_, enabled ? TRUE : FALSE); }

bool Win32Button::IsEnabled() const { return IsWindowEnabled(button_) != FALSE; }

Win32TabControl::Win32TabControl(HWND tabs, PageControls controls)
    : tabs_(tabs), controls_(std::move(controls)) {
    ShowPage(Selected());
}

int Win32TabControl::Selected() const {
    return static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
}

void Win32TabControl::Select(int tab) {
    SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    ShowPage(Selected());
}

int Win32TabControl::OnSelectionChanged() {
    const int tab = Selected();
    ShowPage(tab);
    return tab;
}

void Win32TabControl::ShowPage(int tab) {
    // Hide the old page first, so no control of it shows through the new one.
    for (const auto& [control, page] : controls_)
        if (page != tab) ShowWindow(control, SW_HIDE);
    for (const auto& [control, page] : controls_)
        if (page == tab) ShowWindow(control, SW_SHOW);
}

namespace {

constexpr wchar_t kPanelClass[] = L"KelvoPanel";

// The window's text in its font (kept in its first window bytes) and its
// look's colour, as `format` lays it out in `area`.
void DrawCaption(HWND control, HDC dc, RECT area, const ControlLook* look, UINT format) {
    wchar_t caption[256];
    const int length = GetWindowTextW(control, caption, 256);
    if (length == 0) return;
    auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(control, 0));
    HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look != nullptr ? look->text : GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, caption, length, &area, format | DT_NOPREFIX);
    if (oldFont != nullptr) SelectObject(dc, oldFont);
}

void PaintPanel(HWND panel) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(panel, &paint);
    RECT area;
    GetClientRect(panel, &area);
    const ControlLook* look = LookOf(panel);
    FillRect(dc, &area, look != nullptr ? look->brush : GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &area, EDGE_RAISED, BF_RECT);
    InflateRect(&area, -2, -2);
    const UINT align = look == nullptr ? DT_CENTER : look->textAlign;
    DrawCaption(panel, dc, area, look, DT_SINGLELINE | DT_VCENTER | align);
    EndPaint(panel, &paint);
}

LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: PaintPanel(panel); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_SETFONT:
            SetWindowLongPtrW(panel, 0, static_cast<LONG_PTR>(wParam));
            if (LOWORD(lParam) != 0) InvalidateRect(panel, nullptr, TRUE);
            return 0;
        case WM_GETFONT: return GetWindowLongPtrW(panel, 0);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: return ColourControl(panel, message, wParam, lParam);
        default: return DefWindowProcW(panel, message, wParam, lParam);
    }
}

constexpr wchar_t kDrawnStaticClass[] = L"KelvoStatic";
// Window bytes of a drawn static: its font (where DrawCaption finds it), then
// its icon.
constexpr int kFontSlot = 0;
constexpr int kIconSlot = sizeof(LONG_PTR);

UINT TextAlign(HWND label) {
    const LONG_PTR style = GetWindowLongPtrW(label, GWL_STYLE) & SS_TYPEMASK;
    if (style == SS_CENTER) return DT_CENTER;
    if (style == SS_RIGHT) return DT_RIGHT;
    return DT_LEFT;
}

// Its icon centred, or its text wrapped at words, on its look's background.
void PaintDrawnStatic(HWND label) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    RECT area;
    GetClientRect(label, &area);
    const ControlLook* look = LookOf(label);
    FillRect(dc, &area, look != nullptr ? look->brush : GetSysColorBrush(COLOR_BTNFACE));
    if (auto icon = reinterpret_cast<HICON>(GetWindowLongPtrW(label, kIconSlot))) {
        const int side = std::min(area.right, area.bottom);
        DrawIconEx(dc, (area.right - side) / 2, (area.bottom - side) / 2, icon, side, side, 0, nullptr, DI_NORMAL);
    } else {
        DrawCaption(label, dc, area, look, DT_WORDBREAK | TextAlign(label));
    }
    EndPaint(label, &paint);
}

LRESULT SetSlot(HWND label, int slot, WPARAM value, bool redraw) {
    const LONG_PTR old = SetWindowLongPtrW(label, slot, static_cast<LONG_PTR>(value));
    if (redraw) InvalidateRect(label, nullptr, TRUE);
    return old;
}

LRESULT CALLBACK DrawnStaticProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: PaintDrawnStatic(label); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_SETFONT: SetSlot(label, kFontSlot, wParam, LOWORD(lParam) != 0); return 0;
        case WM_GETFONT: return GetWindowLongPtrW(label, kFontSlot);
        case STM_SETICON: return SetSlot(label, kIconSlot, wParam, true);
        case STM_GETICON: return GetWindowLongPtrW(label, kIconSlot);
        case WM_NCHITTEST: return HTTRANSPARENT;
        default: return DefWindowProcW(label, message, wParam, lParam);
    }
}

ATOM RegisterChildClass(const wchar_t* name, WNDPROC procedure, int extraBytes) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = procedure;
    type.cbWndExtra = extraBytes;
    type.hInstance = GetModuleHandleW(nullptr);
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.lpszClassName = name;
    return RegisterClassExW(&type);
}

}  // namespace

const wchar_t* DrawnStaticClass() {
    static const ATOM registered = RegisterChildClass(kDrawnStaticClass, DrawnStaticProc, 2 * sizeof(LONG_PTR));
    static_cast<void>(registered);
    return kDrawnStaticClass;
}

const wchar_t* PanelClass() {
    static const ATOM registered = RegisterChildClass(kPanelClass, PanelProc, sizeof(LONG_PTR));
    static_cast<void>(registered);
    return kPanelClass;
}

}  // namespace kelvo
