#include "platform/win32/Win32ImageList.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "platform/win32/LateLibraries.h"

namespace kelvo {
namespace {

// A top-down 32-bit DIB section of the picture, every pixel opaque.
HBITMAP PictureBitmap(const IconImage& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.side;
    info.bmiHeader.biHeight = -picture.side;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) throw std::runtime_error("CreateDIBSection failed");
    // 0x00RRGGBB is already the DIB's little-endian B,G,R order; add full alpha.
    auto* pixels = static_cast<std::uint32_t*>(bits);
    std::transform(picture.pixels.begin(), picture.pixels.end(), pixels,
                   [](std::uint32_t rgb) { return (rgb & 0x00FFFFFFu) | 0xFF000000u; });
    GdiFlush();
    return bitmap;
}

// A mask with every bit clear: the whole picture is opaque. Its rows are
// padded to 16 bits.
HBITMAP OpaqueMask(int side) {
    const std::vector<std::uint16_t> rows(static_cast<std::size_t>(side) * static_cast<std::size_t>((side + 15) / 16));
    return CreateBitmap(side, side, 1, 1, rows.data());
}

HIMAGELIST CreateList(int side) {
    HIMAGELIST list = CommonControlsCall<decltype(&ImageList_Create)>("ImageList_Create")(side, side, ILC_COLOR32 | ILC_MASK, 4, 4);
    if (list == nullptr) throw std::runtime_error("ImageList_Create failed");
    return list;
}

}  // namespace

Win32ImageList::Win32ImageList(int side) : side_(side), list_(CreateList(side)) {}

Win32ImageList::~Win32ImageList() { CommonControlsCall<decltype(&ImageList_Destroy)>("ImageList_Destroy")(list_); }

void Win32ImageList::Clear() {
    CommonControlsCall<decltype(&ImageList_Remove)>("ImageList_Remove")(list_, -1);  // every picture
    indices_.clear();
}

void Win32ImageList::SetSide(int side) {
    if (!CommonControlsCall<decltype(&ImageList_SetIconSize)>("ImageList_SetIconSize")(list_, side, side)) throw std::runtime_error("ImageList_SetIconSize failed");
    side_ = side;
    indices_.clear();
}

void Win32ImageList::Add(const std::string& key, const IconImage& picture) {
    if (Contains(key)) return;
    if (picture.side != side_ || picture.pixels.size() != static_cast<std::size_t>(side_ * side_))
        throw std::invalid_argument("a picture of another size than the image list's");
    HBITMAP bitmap = PictureBitmap(picture);
    HBITMAP mask = OpaqueMask(side_);
    static const auto addPicture = CommonControlsCall<decltype(&ImageList_Add)>("ImageList_Add");
    const int index = addPicture(list_, bitmap, mask);
    DeleteObject(mask);
    DeleteObject(bitmap);
    if (index < 0) throw std::runtime_error("ImageList_Add failed");
    indices_.emplace(key, index);
}

bool Win32ImageList::Contains(const std::string& key) const { return indices_.contains(key); }

int Win32ImageList::Count() const { return CommonControlsCall<decltype(&ImageList_GetImageCount)>("ImageList_GetImageCount")(list_); }

int Win32ImageList::IndexOf(const std::string& key) const {
    const auto found = indices_.find(key);
    return found == indices_.end() ? -1 : found->second;
}

}  // namespace kelvo
