#pragma once
#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "menus/FoundPictures.h"

namespace kelvo {

// Whether the menu manager blends its rows' bitmaps by their alpha.
bool MenusBlendBitmaps();

// The small icon at `iconIndex` of this process's system image list, drawn
// `side` pixels across: premultiplied blue, green, red and alpha, row by row
// from the top; nothing when it cannot be drawn.
std::optional<std::vector<std::uint32_t>> ShellIconPixels(int iconIndex, int side);

// The pictures of the popup's rows: one 32-bit premultiplied-alpha DIB
// section per icon, as the menu manager takes them in a row's bitmap. Icons
// come drawn from `found`: the shell's image lists stay out of this process.
class MenuBitmaps {
public:
    explicit MenuBitmaps(const FoundPictures& found) : found_(found) {}
    ~MenuBitmaps();
    MenuBitmaps(const MenuBitmaps&) = delete;
    MenuBitmaps& operator=(const MenuBitmaps&) = delete;

    // Draws the picture of `icon` (see MenuItem), `side` pixels across;
    // false when it cannot be drawn.
    bool Add(int icon, int side);
    // Frees the picture of `icon`, which no row may show any longer.
    void Remove(int icon);
    // The picture of `icon`, or nullptr.
    HBITMAP Of(int icon) const;
    // True when `picture` is one of these.
    bool Holds(HBITMAP picture) const;

private:
    const FoundPictures& found_;
    std::map<int, HBITMAP> bitmaps_;
};

// For a row drawn by its owner: the size of its picture, and the picture
// drawn blended onto the row as the menu manager has painted it.
SIZE PictureSize(HBITMAP picture);
void DrawPicture(HBITMAP picture, HDC target, const RECT& row);

}  // namespace kelvo
