#include "platform/win32/SetOnTop.h"

namespace kelvo {

void SetOnTop(int position, HWND window) {
    SetWindowPos(window, reinterpret_cast<HWND>(static_cast<INT_PTR>(position)), 100, 100, 449, 300,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

}  // namespace kelvo
