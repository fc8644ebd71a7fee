#include "platform/win32/TrayWindow.h"

#include <stdexcept>

#include "platform/win32/Win32WindowClass.h"

namespace kelvo {

TrayWindow::TrayWindow(HINSTANCE instance) {
    RegisterFormClass(instance, kTrayClassName, HostedWindowProc<TrayWindow>);
    CreateWindowExW(0, kTrayClassName, L"KelvoTop", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    if (window == nullptr) throw std::runtime_error("cannot create the tray window");
}

TrayWindow::~TrayWindow() {
    // No event reaches the owner while the window is torn down.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

LRESULT TrayWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (onMessage && onMessage(message, wParam, lParam, result)) return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kelvo
