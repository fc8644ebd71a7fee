#include "platform/win32/Win32IconFinder.h"

#include <shellapi.h>

#include <utility>

#include "menus/EntryIcons.h"
#include "platform/Image.h"
#include "platform/win32/LateLibraries.h"
#include "platform/win32/NoDiskPrompts.h"
#include "platform/win32/ShortcutFiles.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ShellInfo.h"

namespace kelvo {

void Win32IconFinder::FindLater(unsigned request, std::vector<std::string> paths) {
    PostedAnswers<std::vector<int>>::WorkLater(answers_, window_, kIconsFoundMessage, request,
                                               [paths = std::move(paths)] {
                                                   const ThreadApartment apartment;
                                                   const NoDiskPrompts noPrompts;
                                                   Win32FileSystem files;
                                                   Win32ShellInfo shell;
                                                   return FindEntryIcons(files, shell, paths);
                                               });
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
