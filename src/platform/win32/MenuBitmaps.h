#pragma once
#include <windows.h>

#include <map>

namespace kelvo {

// Whether the menu manager blends its rows' bitmaps by their alpha.
bool MenusBlendBitmaps();

// The pictures of the popup's rows: one 32-bit premultiplied-alpha DIB
// section per icon, as the menu manager takes them in a row's bitmap.
class MenuBitmaps {
public:
    MenuBitmaps() = default;
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
    std::map<int, HBITMAP> bitmaps_;
};

// For a row drawn by its owner: the size of its picture, and the picture
// drawn blended onto the row as the menu manager has painted it.
SIZE PictureSize(HBITMAP picture);
void DrawPicture(HBITMAP picture, HDC target, const RECT& row);

}  // namespace kelvo
