#include "FixtureFiles.h"

#include <windows.h>

#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"

namespace kelvo {

ScratchStore::ScratchStore(const std::string& purpose)
    : path_(std::string(kApplicationKey) + purpose + "-" + std::to_string(GetCurrentProcessId())),
      store_(path_) {}

ScratchStore::~ScratchStore() {
    RegDeleteTreeW(HKEY_CURRENT_USER, Widen(path_).c_str());
}

std::string TempFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return Narrow(temp);
}

void Touch(const std::string& path) {
    CloseHandle(CreateFileW(LongPathForm(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::string AbsentDriveRoot() {
    const DWORD drives = GetLogicalDrives();
    for (char letter = 'Z'; letter >= 'D'; --letter) {
        if ((drives & (1u << (letter - 'A'))) == 0) return std::string(1, letter) + ":\\";
    }
    return {};
}

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
