#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvo {

// Pixels across a small icon at 96 dots per inch; other scales take more.
inline constexpr int kBaseIconSide = 16;

// Whether pictures `candidate` pixels across serve `side` better than
// pictures `current` across: the same size first, then the nearest larger
// one (drawn smaller), and only then the largest smaller one.
inline bool ServesBetter(int candidate, int current, int side) {
    if (current == side) return false;
    if (candidate == side) return true;
    if ((candidate > side) != (current > side)) return candidate > side;
    return candidate > side ? candidate < current : candidate > current;
}

// What a popup row shows before its text: an icon as the IconFinder numbers
// it, or one of these. A blank keeps an icon's room, so that a row without one lines up
// with its level's rows that have one.
inline constexpr int kNoIcon = -1;
inline constexpr int kUnavailableIcon = -2;
inline constexpr int kBlankIcon = -3;

// A square picture `side` pixels across, row by row, each pixel 0x00RRGGBB.
struct IconImage {
    int side = 0;
    std::vector<std::uint32_t> pixels;

    static IconImage Filled(int side, std::uint32_t rgb) {
        return IconImage{side, std::vector<std::uint32_t>(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), rgb)};
    }
    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(side) + static_cast<std::size_t>(x)]; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(side) + static_cast<std::size_t>(x)]; }
    bool operator==(const IconImage&) const = default;
};

}  // namespace kelvo
