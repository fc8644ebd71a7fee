#pragma once
#include <array>
#include <cstdint>

namespace kelvo {

// A 16x16 picture, row by row, each pixel 0x00RRGGBB.
struct Image16 {
    static constexpr int kSide = 16;
    std::array<std::uint32_t, kSide * kSide> pixels{};

    static Image16 Filled(std::uint32_t rgb) {
        Image16 image;
        image.pixels.fill(rgb);
        return image;
    }
    bool operator==(const Image16&) const = default;
};

}  // namespace kelvo
