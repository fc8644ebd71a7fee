#pragma once

namespace kelvo {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Top-left corner that centres a form on the screen. The halves of an odd
// difference go toward zero; a form larger than the screen gets a negative
// edge (nothing is clamped).
inline Point CentredOrigin(int screenWidth, int screenHeight, int formWidth, int formHeight) {
    return Point{(screenWidth - formWidth) / 2, (screenHeight - formHeight) / 2};
}

}  // namespace kelvo
