#include "platform/win32/Win32IconFinder.h"

#include <shellapi.h>

#include <utility>

#include <set>

#include "menus/MenuPictures.h"
#include "platform/Image.h"
#include "platform/win32/IconHelper.h"
#include "platform/win32/LateLibraries.h"
#include "platform/win32/Twips.h"
#include "platform/win32/Utf8.h"

namespace kelvo {

namespace {

BOOL CALLBACK AddSide(HMONITOR monitor, HDC, LPRECT, LPARAM sides) {
    reinterpret_cast<std::set<int>*>(sides)->insert(IconSide(MonitorDpi(monitor)));
    return TRUE;
}

// The side of a row's icon on each monitor.
std::vector<int> MonitorSides() {
    std::set<int> sides;
    EnumDisplayMonitors(nullptr, nullptr, AddSide, reinterpret_cast<LPARAM>(&sides));
    if (sides.empty()) sides.insert(IconSide(MonitorDpi(nullptr)));
    return std::vector<int>(sides.begin(), sides.end());
}

}  // namespace

void Win32IconFinder::FindLater(unsigned request, std::vector<std::string> paths) {
    IconRequest asked{MonitorSides(), std::move(paths)};
    PostedAnswers<std::optional<IconAnswer>>::WorkLater(
        answers_, window_, kIconsFoundMessage, request, [asked = std::move(asked)] { return AskIconFinder(asked, ThisProgram()); });
}

std::optional<std::vector<int>> Win32IconFinder::Take(unsigned request) {
    std::optional<std::optional<IconAnswer>> answer = answers_->Take(request);
    if (!answer || !*answer) return std::nullopt;
    return found_.Take(std::move(**answer));
}

int Win32IconFinder::TypeIcon(const std::string& path, bool isFolder) {
    EnterComApartment();
    const std::wstring wide = Widen(path);
    const std::size_t slash = wide.find_last_of(L"\\/");
    const std::wstring name = slash == std::wstring::npos ? wide : wide.substr(slash + 1);
    SHFILEINFOW info{};
    const DWORD attributes = isFolder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    if (SHGetFileInfoW(name.c_str(), attributes, &info, sizeof info,
                       SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON) == 0) {
        return kNoIcon;
    }
    return info.iIcon;
}

}  // namespace kelvo
