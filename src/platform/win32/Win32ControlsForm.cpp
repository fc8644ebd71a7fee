#include "platform/win32/Win32ControlsForm.h"

#include "platform/win32/Twips.h"
#include "app/Centring.h"

namespace kelvo {

FormWindow::FormWindow(HWND window, int clientWidth, int clientHeight, FormRole role)
    : window_(window), clientWidth_(clientWidth), clientHeight_(clientHeight), role_(role) {
    Resize(WindowDpi(window_));
}

void FormWindow::Show() {
    if (role_ == FormRole::Notice) Centre();
    ShowWindow(window_, role_ == FormRole::Notice ? SW_SHOWNOACTIVATE : SW_SHOWNORMAL);
    // Painted at once: the caller may be busy before the next message loop turn.
    UpdateWindow(window_);
}

void FormWindow::Hide() { ShowWindow(window_, SW_HIDE); }

bool FormWindow::IsVisible() const { return IsWindowVisible(window_) != FALSE; }

void FormWindow::Centre() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& screen = monitor.rcMonitor;
    RECT form;
    GetWindowRect(window_, &form);
    const Point origin = CentredOrigin(screen.right - screen.left, screen.bottom - screen.top,
                                       form.right - form.left, form.bottom - form.top);
    SetWindowPos(window_, nullptr, screen.left + origin.x, screen.top + origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::WidenBy(int twips) {
    clientWidth_ += twips;
    Resize(WindowDpi(window_));
}

void FormWindow::Resize(int dpi) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
    const SIZE size = WindowSizeFor(clientWidth_, clientHeight_, style, exStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace kelvo
