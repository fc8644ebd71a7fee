#include "platform/win32/Twips.h"

#include "platform/win32/SystemLibraries.h"
#include "platform/win32/Utf8.h"

namespace kelvo {
namespace {

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = UserCall<GetDpiForWindowFn>("GetDpiForWindow");
    if (window != nullptr && getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

int MonitorDpi(HMONITOR monitor) {
    using DpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto dpiForMonitor = SystemCall<DpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (dpiForMonitor != nullptr && SUCCEEDED(dpiForMonitor(monitor, 0, &dpiX, &dpiY)) && dpiY > 0) {
        return static_cast<int>(dpiY);
    }
    return WindowDpi(nullptr);
}

int MetricForDpi(int metric, int dpi) {
    using ForDpiFn = int(WINAPI*)(int, UINT);
    static const auto forDpi = UserCall<ForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi != nullptr) {
        const int value = forDpi(metric, static_cast<UINT>(dpi));
        if (value > 0) return value;
    }
    return MulDiv(GetSystemMetrics(metric), dpi, ScreenDpi());
}

int TwipsToPixels(int twips, int dpi) { return layout::TwipsToPixels(twips, dpi); }

RECT PixelRect(const layout::Control& control, int dpi) {
    const int left = TwipsToPixels(control.left, dpi);
    const int top = TwipsToPixels(control.top, dpi);
    return RECT{left, top, left + TwipsToPixels(control.width, dpi),
                top + TwipsToPixels(control.height, dpi)};
}

SIZE WindowSizeFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
    using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = UserCall<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, TwipsToPixels(clientWidth, dpi), TwipsToPixels(clientHeight, dpi)};
    if (adjustForDpi != nullptr)
        adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

HFONT CreateLayoutFont(const layout::Font& font, int dpi) {
    const std::wstring face = Widen(font.face);
    return CreateFontW(-layout::PointsToPixels(font.points, dpi), 0, 0, 0,
                       font.bold ? FW_BOLD : FW_NORMAL, font.italic ? TRUE : FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

COLORREF ColourRef(const layout::Colour& colour) {
    if (colour.IsSystem()) return GetSysColor(colour.systemIndex);
    return RGB(colour.red, colour.green, colour.blue);
}

}  // namespace kelvo
