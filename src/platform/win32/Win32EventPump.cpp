#include "platform/win32/Win32EventPump.h"

#include <windows.h>

namespace kelvo {

void Win32EventPump::RunPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave the quit request to the main loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Program::End() {
    PostQuitMessage(0);
}

}  // namespace kelvo
