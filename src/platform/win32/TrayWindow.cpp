#include "platform/win32/TrayWindow.h"

#include <stdexcept>

#include "platform/win32/Win32WindowClass.h"

namespace kelvo {

TrayWindow::TrayWindow(HINSTANCE instance) {
    RegisterFormClass(instance, kTrayClassName, Procedure);
    window_ = CreateWindowExW(0, kTrayClassName, L"KelvoTop", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    if (window_ == nullptr) throw std::runtime_error("cannot create the tray window");
}

TrayWindow::~TrayWindow() {
    // No event reaches the owner while the window is torn down.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT CALLBACK TrayWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* tray = reinterpret_cast<TrayWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    LRESULT result = 0;
    if (tray != nullptr && tray->onMessage && tray->onMessage(message, wParam, lParam, result)) return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kelvo
