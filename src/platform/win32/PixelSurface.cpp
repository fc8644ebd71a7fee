#include "platform/win32/PixelSurface.h"

#include <utility>

namespace kelvo {

BITMAPINFO TopDownFormat(int side) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = side;
    format.bmiHeader.biHeight = -side;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

PixelSurface::PixelSurface(int side) : side_(side), dc_(CreateCompatibleDC(nullptr)) {
    const BITMAPINFO format = TopDownFormat(side);
    void* bits = nullptr;
    if (dc_) bitmap_ = CreateDIBSection(dc_, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels_ = static_cast<std::uint32_t*>(bits);
    if (bitmap_) previous_ = SelectObject(dc_, bitmap_);
}

PixelSurface::~PixelSurface() {
    if (previous_) SelectObject(dc_, previous_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
}

std::uint32_t* PixelSurface::Pixels() {
    GdiFlush();
    return pixels_;
}

HBITMAP PixelSurface::Take() {
    SelectObject(dc_, previous_);
    previous_ = nullptr;
    return std::exchange(bitmap_, nullptr);
}

}  // namespace kelvo
