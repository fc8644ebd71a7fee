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

PathLookup LookupFailure(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND: return PathLookup::FileNotFound;
        case ERROR_PATH_NOT_FOUND: return PathLookup::PathNotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION: return PathLookup::AccessDenied;
        case ERROR_NOT_READY: return PathLookup::NotReady;
        case ERROR_BAD_NETPATH:
        case ERROR_NETWORK_BUSY:
        case ERROR_BAD_NET_RESP:
        case ERROR_UNEXP_NET_ERR:
        case ERROR_BAD_NET_NAME:
        case ERROR_NETNAME_DELETED:
        case ERROR_NETWORK_ACCESS_DENIED:
        case ERROR_SEM_TIMEOUT:
        case ERROR_NETWORK_UNREACHABLE:
        case ERROR_HOST_UNREACHABLE:
        case ERROR_CONNECTION_ABORTED:
        case ERROR_NO_NET_OR_BAD_PATH:
        case ERROR_NOT_CONNECTED: return PathLookup::NetworkError;
        default: return PathLookup::OtherError;
    }
}

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
        // A fixed disk is there: reading its volume, which under Wine asks
        // another process, would only spend the time the popup waits.
        const UINT type = GetDriveTypeW(wide.c_str());
        reachable = type == DRIVE_FIXED ||
                    (type != DRIVE_NO_ROOT_DIR &&
                     GetVolumeInformationW(wide.c_str(), nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0));
    } else {
        reachable = GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    SetThreadErrorMode(oldMode, nullptr);
    return reachable;
}

PathLookup Win32FileSystem::Look(const std::string& path) {
    if (path.empty()) return PathLookup::FileNotFound;
    // A plain attribute query: unlike a find call, it takes * and ? literally.
    if (GetFileAttributesW(LongPathForm(path).c_str()) != INVALID_FILE_ATTRIBUTES) return PathLookup::Found;
    return LookupFailure(GetLastError());
}

}  // namespace kelvo
