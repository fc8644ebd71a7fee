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

bool Win32FileSystem::Exists(const std::string& path) {
    // A plain attribute query: unlike a find call, it takes * and ? literally.
    return !path.empty() && GetFileAttributesW(LongPathForm(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace kelvo
