#include "platform/win32/Win32ImageList.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

namespace kelvo {
namespace {

constexpr int kSide = Image16::kSide;

// A top-down 32-bit DIB section of the picture, every pixel opaque.
HBITMAP PictureBitmap(const Image16& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kSide;
    info.bmiHeader.biHeight = -kSide;
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

// A mask with every bit clear: the whole picture is opaque.
HBITMAP OpaqueMask() {
    static constexpr std::array<std::uint16_t, kSide> kRows{};
    return CreateBitmap(kSide, kSide, 1, 1, kRows.data());
}

}  // namespace

Win32ImageList::Win32ImageList()
    : list_(ImageList_Create(kSide, kSide, ILC_COLOR32 | ILC_MASK, 4, 4)) {
    if (list_ == nullptr) throw std::runtime_error("ImageList_Create failed");
}

Win32ImageList::~Win32ImageList() { ImageList_Destroy(list_); }

void Win32ImageList::Clear() {
    ImageList_RemoveAll(list_);
    indices_.clear();
}

void Win32ImageList::Add(const std::string& key, const Image16& picture) {
    if (Contains(key)) return;
    HBITMAP bitmap = PictureBitmap(picture);
    HBITMAP mask = OpaqueMask();
    const int index = ImageList_Add(list_, bitmap, mask);
    DeleteObject(mask);
    DeleteObject(bitmap);
    if (index < 0) throw std::runtime_error("ImageList_Add failed");
    indices_.emplace(key, index);
}

bool Win32ImageList::Contains(const std::string& key) const { return indices_.contains(key); }

int Win32ImageList::Count() const { return ImageList_GetImageCount(list_); }

int Win32ImageList::IndexOf(const std::string& key) const {
    const auto found = indices_.find(key);
    return found == indices_.end() ? -1 : found->second;
}

}  // namespace kelvo
