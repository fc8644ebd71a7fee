#pragma once
#include <windows.h>

namespace kelvo {

// Places `window` in the z-order after `position` (-1 topmost, -2 not
// topmost, 0 top, 1 bottom), moved to (100, 100), sized 449 x 300 and shown,
// without activating it.
void SetOnTop(int position, HWND window);

}  // namespace kelvo
