#include "platform/win32/Win32Controls.h"

#include <commctrl.h>

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

void PaintPanel(HWND panel) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(panel, &paint);
    RECT area;
    GetClientRect(panel, &area);
    const ControlLook* look = LookOf(panel);
    FillRect(dc, &area, look != nullptr ? look->brush : GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &area, EDGE_RAISED, BF_RECT);
    wchar_t caption[256];
    const int length = GetWindowTextW(panel, caption, 256);
    if (length > 0) {
        auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(panel, 0));
        HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, look != nullptr ? look->text : GetSysColor(COLOR_BTNTEXT));
        InflateRect(&area, -2, -2);
        const UINT align = look == nullptr ? DT_CENTER : look->textAlign;
        DrawTextW(dc, caption, length, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align);
        if (oldFont != nullptr) SelectObject(dc, oldFont);
    }
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

}  // namespace

const wchar_t* PanelClass() {
    static const ATOM registered = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof(type);
        type.lpfnWndProc = PanelProc;
        type.cbWndExtra = sizeof(LONG_PTR);
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.lpszClassName = kPanelClass;
        return RegisterClassExW(&type);
    }();
    static_cast<void>(registered);
    return kPanelClass;
}

}  // namespace kelvo
