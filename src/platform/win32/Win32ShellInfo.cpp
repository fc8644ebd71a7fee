#include "platform/win32/Win32ShellInfo.h"

#include <shellapi.h>
#include <unknwn.h>

#include <cwchar>
#include <iterator>

#include "platform/win32/LateLibraries.h"
#include "platform/win32/PixelSurface.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"

namespace kelvo {

namespace {

constexpr UINT kDescribeFlags = SHGFI_SYSICONINDEX | SHGFI_TYPENAME | SHGFI_SMALLICON;

std::wstring Extension(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return {};
    return path.substr(dot);
}

bool SameText(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The shell's calls do not take the "\\?\" form, so it is taken off again.
std::wstring WithoutLongPrefix(const std::wstring& path) {
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\" + path.substr(7);
    if (path.rfind(L"\\\\?\\", 0) == 0) return path.substr(4);
    return path;
}

std::wstring ShortForm(const std::string& path) {
    const std::wstring longForm = LongPathForm(path);
    const DWORD size = GetShortPathNameW(longForm.c_str(), nullptr, 0);
    if (size == 0) return {};
    std::wstring shortForm(size, L'\0');
    const DWORD length = GetShortPathNameW(longForm.c_str(), shortForm.data(), size);
    if (length == 0 || length >= size) return {};
    shortForm.resize(length);
    return WithoutLongPrefix(shortForm);
}

std::wstring LastComponent(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::string TypeName(const SHFILEINFOW& info) {
    // Cut at the first NUL, within the fixed field.
    return Narrow({info.szTypeName, wcsnlen(info.szTypeName, std::size(info.szTypeName))});
}

std::wstring RegistryDefault(const std::wstring& key) {
    wchar_t value[512];
    DWORD bytes = sizeof value;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ |
                         RRF_NOEXPAND, nullptr, value, &bytes) != ERROR_SUCCESS) {
        return {};
    }
    return value;
}

bool KeyExists(const std::wstring& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

// Whether a file of this type shows an icon of its own: programs, shortcuts
// and icon files always, and any type whose default icon is the file itself
// ("%1") or that has an icon handler.
bool HasOwnIcon(const std::wstring& extension) {
    static const wchar_t* const kOwnIcon[] = {L".exe", L".com", L".lnk", L".ico", L".cur", L".ani",
                                              L".scr", L".pif", L".cpl", L".url"};
    for (const wchar_t* own : kOwnIcon) {
        if (SameText(extension, own)) return true;
    }
    const std::wstring progId = RegistryDefault(extension);
    for (const std::wstring& type : {extension, progId}) {
        if (type.empty()) continue;
        if (RegistryDefault(type + L"\\DefaultIcon").find(L"%1") != std::wstring::npos) return true;
        if (KeyExists(type + L"\\shellex\\IconHandler")) return true;
    }
    return false;
}

// Asks by the file's name and attributes only: the shell answers with the
// file's type and the type's icon without opening the file, also for paths
// too long for its calls.
DWORD_PTR DescribeByNameAndAttributes(const std::string& path, DWORD attributes, SHFILEINFOW& info) {
    if (attributes == INVALID_FILE_ATTRIBUTES) return 0;
    return SHGetFileInfoW(LastComponent(Widen(path)).c_str(), attributes, &info, sizeof info,
                          kDescribeFlags | SHGFI_USEFILEATTRIBUTES);
}

void Clear(PixelSurface& surface, int systemColour) {
    RECT all{0, 0, surface.Side(), surface.Side()};
    FillRect(surface.Dc(), &all, GetSysColorBrush(systemColour));
}

// Each 32-bit pixel of the surface is blue, green, red and a byte the
// picture does not use.
IconImage ImageOf(PixelSurface& surface) {
    IconImage image = IconImage::Filled(surface.Side(), 0);
    const std::uint32_t* pixels = surface.Pixels();
    for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = pixels[i] & 0x00FFFFFF;
    return image;
}

int ListSide(HIMAGELIST list) {
    int width = 0;
    int height = 0;
    static const auto iconSize = CommonControlsCall<decltype(&ImageList_GetIconSize)>("ImageList_GetIconSize");
    iconSize(list, &width, &height);
    return width;
}

// The shell's own image lists share one numbering of their icons.
constexpr GUID kImageListId{0x46eb5926, 0x582e, 0x4017, {0x9f, 0xdf, 0xe8, 0x99, 0x8d, 0xaa, 0x09, 0x50}};

// One of the shell's image lists, held for as long as it lives.
class ShellImages {
public:
    explicit ShellImages(int which) {
        if (FAILED(SHGetImageList(which, kImageListId, reinterpret_cast<void**>(&list_)))) list_ = nullptr;
    }
    ~ShellImages() {
        if (list_) reinterpret_cast<IUnknown*>(list_)->Release();
    }
    ShellImages(const ShellImages&) = delete;
    ShellImages& operator=(const ShellImages&) = delete;
    HIMAGELIST Handle() const { return list_; }

private:
    HIMAGELIST list_ = nullptr;
};

// Draws icon `index` of `list` filling the surface, scaled when the list's
// pictures have another size.
bool DrawIcon(HIMAGELIST list, int index, PixelSurface& surface, int side) {
    static const auto draw = CommonControlsCall<decltype(&ImageList_Draw)>("ImageList_Draw");
    static const auto iconOf = CommonControlsCall<decltype(&ImageList_GetIcon)>("ImageList_GetIcon");
    if (ListSide(list) == side) return draw(list, index, surface.Dc(), 0, 0, ILD_TRANSPARENT);
    HICON icon = iconOf(list, index, ILD_TRANSPARENT);
    if (icon == nullptr) return false;
    const bool drawn = DrawIconEx(surface.Dc(), 0, 0, icon, side, side, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    return drawn;
}

// Gives `use` the image list whose pictures serve `side` best: `start`, or
// one of the shell's small, large and extra-large lists, held meanwhile;
// nullptr when there is none.
template <class Use>
auto OnBestList(HIMAGELIST start, int side, Use use) {
    const ShellImages small(SHIL_SMALL), large(SHIL_LARGE), extraLarge(SHIL_EXTRALARGE);
    HIMAGELIST source = start;
    for (const ShellImages* list : {&small, &large, &extraLarge}) {
        if (list->Handle() && (!source || ServesBetter(ListSide(list->Handle()), ListSide(source), side))) {
            source = list->Handle();
        }
    }
    return use(source);
}

// At the system's scale the small list holds the size asked for; at another
// one, the shell's larger lists may hold it, or one to draw smaller.
bool DrawIconAtSide(HIMAGELIST smallImages, int index, PixelSurface& surface, int side) {
    if (ListSide(smallImages) == side) return DrawIcon(smallImages, index, surface, side);
    return OnBestList(smallImages, side, [&](HIMAGELIST source) { return DrawIcon(source, index, surface, side); });
}

}  // namespace

HICON SystemIcon(int iconIndex, int side) {
    static const auto iconOf = CommonControlsCall<decltype(&ImageList_GetIcon)>("ImageList_GetIcon");
    return OnBestList(nullptr, side, [&](HIMAGELIST source) -> HICON {
        return source ? iconOf(source, iconIndex, ILD_TRANSPARENT) : nullptr;
    });
}

std::wstring ShellPathForm(const std::string& path) {
    std::wstring wide = Widen(path);
    if (wide.size() < MAX_PATH) return wide;
    std::wstring shortForm = ShortForm(path);
    if (!shortForm.empty() && shortForm.size() < MAX_PATH &&
        SameText(Extension(shortForm), Extension(wide))) {
        return shortForm;
    }
    return wide;
}

std::optional<ShellFileInfo> Win32ShellInfo::Describe(const std::string& path) {
    SHFILEINFOW info{};
    // The shell answers an empty path with a folder; it names no file here.
    if (path.empty()) {
        systemImages_ = nullptr;
        return std::nullopt;
    }
    const DWORD attributes = GetFileAttributesW(LongPathForm(path).c_str());
    DWORD_PTR list = 0;
    if (TakesTypeIcon(path, attributes)) {
        list = DescribeByNameAndAttributes(path, attributes, info);
    } else {
        list = SHGetFileInfoW(ShellPathForm(path).c_str(), 0, &info, sizeof info, kDescribeFlags);
        if (list == 0 && Widen(path).size() >= MAX_PATH) {
            list = DescribeByNameAndAttributes(path, attributes, info);
        }
    }
    systemImages_ = reinterpret_cast<HIMAGELIST>(list);
    if (list == 0) return std::nullopt;
    return ShellFileInfo{TypeName(info), info.iIcon};
}

// Most files show their type's icon and name; the shell then gives the same
// answer from the name and attributes alone, without opening the file,
// which some shells take milliseconds a file for.
bool Win32ShellInfo::TakesTypeIcon(const std::string& path, DWORD attributes) {
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    const std::wstring extension = Extension(Widen(path));
    if (extension.empty()) return false;
    auto known = typeIcon_.find(extension);
    if (known == typeIcon_.end()) known = typeIcon_.emplace(extension, !HasOwnIcon(extension)).first;
    return known->second;
}

std::int32_t Win32ShellInfo::ExecutableType(const std::string& path) {
    // A call of its own: with other flags some shells leave the type out.
    const std::wstring shellPath = ShellPathForm(path);
    SHFILEINFOW info{};
    const DWORD_PTR result = SHGetFileInfoW(shellPath.c_str(), 0, &info, sizeof info, SHGFI_EXETYPE);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(result));
}

std::optional<IconImage> Win32ShellInfo::DrawSmallIcon(int iconIndex, int side) {
    if (!systemImages_ || side <= 0) return std::nullopt;
    PixelSurface surface(side);
    if (!surface.Ready()) return std::nullopt;
    // A fresh surface each time, so no earlier icon shows through.
    Clear(surface, COLOR_WINDOW);
    if (!DrawIconAtSide(systemImages_, iconIndex, surface, side)) return std::nullopt;
    return ImageOf(surface);
}

}  // namespace kelvo
