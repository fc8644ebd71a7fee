#include "FixtureFiles.h"

#include <windows.h>

#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"

namespace kelvo {

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(LongPathForm(path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = Narrow(found.cFileName);
            if (name == "." || name == "..") continue;
            const std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesW(LongPathForm(child).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(LongPathForm(child).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(LongPathForm(path).c_str());
}

}  // namespace kelvo
