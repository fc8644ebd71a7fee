#include "platform/win32/MenuBitmaps.h"

#include <algorithm>
#include <cstdint>

#include "lists/FileRows.h"
#include "platform/Image.h"
#include "platform/win32/PixelSurface.h"
#include "platform/win32/Win32ShellInfo.h"
#include "platform/win32/WineCheck.h"

namespace kelvo {
namespace {

constexpr std::uint32_t kAlpha = 0xFF000000;

bool HasAlpha(const std::uint32_t* pixels, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (pixels[i] & kAlpha) return true;
    }
    return false;
}

// An icon without an alpha channel leaves the alpha bytes clear: its mask,
// black where the icon shows, tells which pixels are opaque.
void AlphaFromMask(HICON icon, int side, PixelSurface& picture) {
    PixelSurface mask(side);
    if (!mask.Ready() || !DrawIconEx(mask.Dc(), 0, 0, icon, side, side, 0, nullptr, DI_MASK)) return;
    const std::uint32_t* shape = mask.Pixels();
    std::uint32_t* pixels = picture.Pixels();
    for (std::size_t i = 0; i < picture.Count(); ++i) {
        pixels[i] = (shape[i] & 0x00FFFFFF) == 0 ? (pixels[i] | kAlpha) : 0;
    }
}

bool DrawShellIcon(int iconIndex, PixelSurface& picture) {
    HICON icon = SystemIcon(iconIndex, picture.Side());
    if (icon == nullptr) return false;
    // Drawn onto clear pixels, an icon with alpha leaves them premultiplied.
    const int side = picture.Side();
    const bool drawn = picture.Ready() && DrawIconEx(picture.Dc(), 0, 0, icon, side, side, 0, nullptr, DI_NORMAL);
    if (drawn && !HasAlpha(picture.Pixels(), picture.Count())) AlphaFromMask(icon, side, picture);
    DestroyIcon(icon);
    return drawn;
}

// A picture found by the other process, drawn smaller or larger where it was
// not drawn at `side`.
HBITMAP FoundPicture(const IconPicture& found, int side) {
    PixelSurface source(found.side);
    if (!source.Ready() || found.pixels.size() != source.Count()) return nullptr;
    std::copy(found.pixels.begin(), found.pixels.end(), source.Pixels());
    if (found.side == side) return source.Take();
    PixelSurface picture(side);
    if (!picture.Ready()) return nullptr;
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    SetStretchBltMode(picture.Dc(), HALFTONE);
    if (!GdiAlphaBlend(picture.Dc(), 0, 0, side, side, source.Dc(), 0, 0, found.side, found.side, blend)) {
        return nullptr;
    }
    return picture.Take();
}

// The sign is drawn on white, which is its background: clear here.
HBITMAP UnavailableSign(int side) {
    const IconImage sign = UnavailablePicture(side);
    PixelSurface picture(side);
    if (!picture.Ready()) return nullptr;
    std::uint32_t* pixels = picture.Pixels();
    for (std::size_t i = 0; i < picture.Count(); ++i) {
        pixels[i] = sign.pixels[i] == 0xFFFFFF ? 0 : (sign.pixels[i] | kAlpha);
    }
    return picture.Take();
}

// Clear pixels: the row shows through.
HBITMAP BlankPicture(int side) {
    PixelSurface picture(side);
    return picture.Ready() ? picture.Take() : nullptr;
}

}  // namespace

std::optional<std::vector<std::uint32_t>> ShellIconPixels(int iconIndex, int side) {
    PixelSurface picture(side);
    if (!DrawShellIcon(iconIndex, picture)) return std::nullopt;
    const std::uint32_t* pixels = picture.Pixels();
    return std::vector<std::uint32_t>(pixels, pixels + picture.Count());
}

// The menu manager cannot be asked whether it blends its rows' bitmaps.
// Windows does since Vista; Wine copies them as they are.
bool MenusBlendBitmaps() {
    return !RunsUnderWine();
}

MenuBitmaps::~MenuBitmaps() {
    for (const auto& [icon, bitmap] : bitmaps_) DeleteObject(bitmap);
}

bool MenuBitmaps::Add(int icon, int side) {
    if (bitmaps_.contains(icon)) return true;
    HBITMAP bitmap = nullptr;
    if (icon == kUnavailableIcon) {
        bitmap = UnavailableSign(side);
    } else if (icon == kBlankIcon) {
        bitmap = BlankPicture(side);
    } else if (const IconPicture* found = found_.Nearest(icon, side)) {
        bitmap = FoundPicture(*found, side);
    }
    if (bitmap == nullptr) return false;
    bitmaps_[icon] = bitmap;
    return true;
}

void MenuBitmaps::Remove(int icon) {
    const auto found = bitmaps_.find(icon);
    if (found == bitmaps_.end()) return;
    DeleteObject(found->second);
    bitmaps_.erase(found);
}

HBITMAP MenuBitmaps::Of(int icon) const {
    const auto found = bitmaps_.find(icon);
    return found == bitmaps_.end() ? nullptr : found->second;
}

bool MenuBitmaps::Holds(HBITMAP picture) const {
    for (const auto& [icon, bitmap] : bitmaps_) {
        if (bitmap == picture) return true;
    }
    return false;
}

SIZE PictureSize(HBITMAP picture) {
    BITMAP facts{};
    if (picture == nullptr || GetObjectW(picture, sizeof facts, &facts) == 0) return SIZE{0, 0};
    return SIZE{facts.bmWidth, facts.bmHeight};
}

void DrawPicture(HBITMAP picture, HDC target, const RECT& row) {
    const SIZE size = PictureSize(picture);
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(source, picture);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const int top = row.top + (row.bottom - row.top - size.cy) / 2;
    GdiAlphaBlend(target, row.left, top, size.cx, size.cy, source, 0, 0, size.cx, size.cy, blend);
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace kelvo
