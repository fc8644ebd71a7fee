#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include "platform/win32/Utf8.h"

namespace kelvo {

namespace {
bool IsDriveLetterPath(const std::wstring& path) {
    return path.size() >= 3 && path[1] == L':' && path[2] == L'\\';
}

bool IsUncPath(const std::wstring& path) {
    return path.size() >= 3 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'?' &&
           path[2] != L'.';
}
}  // namespace

std::wstring LongPathForm(const std::string& path) {
    std::wstring wide = Widen(path);
    if (wide.size() < MAX_PATH) return wide;
    if (IsDriveLetterPath(wide)) return L"\\\\?\\" + wide;
    if (IsUncPath(wide)) return L"\\\\?\\UNC\\" + wide.substr(2);
    return wide;
}

bool Win32FileSystem::RootReachable(const std::string& root) {
    const std::wstring wide = Widen(root);
    // An empty card reader or disc drive would otherwise ask the user to
    // insert a disk.
    DWORD oldMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, &oldMode);
    bool reachable = false;
    if (IsDriveLetterPath(wide)) {
        reachable = GetDriveTypeW(wide.c_str()) != DRIVE_NO_ROOT_DIR &&
                    GetVolumeInformationW(wide.c_str(), nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0);
    } else {
        reachable = GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    SetThreadErrorMode(oldMode, nullptr);
    return reachable;
}

bool Win32FileSystem::Exists(const std::string& path) {
    // A plain attribute query: unlike a find call, it takes * and ? literally.
    return !path.empty() && GetFileAttributesW(LongPathForm(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace kelvo
