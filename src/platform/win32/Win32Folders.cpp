#include "platform/win32/Win32Folders.h"

#include <windows.h>
#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>

#include "platform/win32/FileNameCase.h"
#include "platform/win32/LateLibraries.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"

namespace kelvo {

namespace {

bool EndsWithSeparator(const std::string& path) {
    return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

std::string WithoutTrailingSeparators(std::string path) {
    while (EndsWithSeparator(path)) path.pop_back();
    return path;
}

std::string KnownFolder(REFKNOWNFOLDERID which) {
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(which, 0, nullptr, &path))) {
        folder = WithoutTrailingSeparators(Narrow(path));
    }
    // The shell allocates it even when the call fails.
    LateCall<decltype(&CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree")(path);
    return folder;
}

}  // namespace

std::string Win32Folders::DesktopFolder() {
    if (!desktopFolder_.empty()) return desktopFolder_;
    return KnownFolder(FOLDERID_Desktop);
}

std::string Win32Folders::PublicDesktopFolder() {
    if (!desktopFolder_.empty()) return publicDesktop_;
    return KnownFolder(FOLDERID_PublicDesktop);
}

std::vector<std::string> Win32Folders::List(const std::string& folder) {
    std::vector<std::string> names;
    if (folder.empty()) return names;
    const std::string pattern = folder + (EndsWithSeparator(folder) ? "*.*" : "\\*.*");
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(LongPathForm(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(Narrow(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::string Win32Folders::LowerCaseName(const std::string& name) {
    return Narrow(LowerCaseMatchingName(Widen(name)));
}

}  // namespace kelvo
