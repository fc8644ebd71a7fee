#pragma once
#include <windows.h>

namespace kelvo {

// Registers one of the program's window classes, once per process.
void RegisterFormClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

// Window procedure of a class whose windows each belong to a Host object,
// given as the creation parameter: from WM_NCCREATE on, every message goes
// to Host::OnMessage, with the Host's `window` set.
template <class Host>
LRESULT CALLBACK HostedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<Host*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (host == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    host->window = window;
    return host->OnMessage(message, wParam, lParam);
}

}  // namespace kelvo
