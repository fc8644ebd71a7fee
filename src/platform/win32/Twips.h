#pragma once
#include <windows.h>

#include "settings/Layout.h"

namespace kelvo {

// Dots per inch of `window` (of the screen when the system cannot say per
// window, or for a null window).
int WindowDpi(HWND window);
// Dots per inch of `monitor`, or of the screen where the system cannot say.
int MonitorDpi(HMONITOR monitor);
int TwipsToPixels(int twips, int dpi);
// A size metric of the system (SM_CXSMICON, SM_CXICON...) at `dpi`: the
// system's own value for that scale where it can tell, else its value at the
// screen's scale, scaled.
int MetricForDpi(int metric, int dpi);
// The control's rectangle in pixels, relative to its container.
RECT PixelRect(const layout::Control& control, int dpi);
// Outer window size whose client area is `clientWidth` x `clientHeight`
// twips, for the given styles.
SIZE WindowSizeFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

// A font of the layout at `dpi`; the caller owns it.
HFONT CreateLayoutFont(const layout::Font& font, int dpi);
COLORREF ColourRef(const layout::Colour& colour);

}  // namespace kelvo
