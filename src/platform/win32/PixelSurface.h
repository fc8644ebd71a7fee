#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace kelvo {

// The format of a square top-down picture of 32-bit pixels, `side` across.
BITMAPINFO TopDownFormat(int side);

// A square top-down 32-bit DIB section, its pixels cleared, selected into a
// memory DC of its own while it lives here.
class PixelSurface {
public:
    explicit PixelSurface(int side);
    ~PixelSurface();
    PixelSurface(const PixelSurface&) = delete;
    PixelSurface& operator=(const PixelSurface&) = delete;

    bool Ready() const { return previous_ != nullptr && pixels_ != nullptr; }
    HDC Dc() const { return dc_; }
    int Side() const { return side_; }
    std::size_t Count() const { return static_cast<std::size_t>(side_) * static_cast<std::size_t>(side_); }
    // Each pixel as blue, green, red and alpha, once GDI's drawing is done.
    std::uint32_t* Pixels();
    // The bitmap, for the caller to keep and free.
    HBITMAP Take();

private:
    int side_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
};

}  // namespace kelvo
