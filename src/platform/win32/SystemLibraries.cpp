#include "platform/win32/SystemLibraries.h"

#include <string>

namespace kelvo {
namespace {

std::wstring InSystemFolder(const wchar_t* name) {
    std::wstring folder(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length == 0) return {};
    if (length >= folder.size()) {
        folder.resize(length);
        GetSystemDirectoryW(folder.data(), length);
    }
    folder.resize(wcslen(folder.c_str()));
    return folder + L'\\' + name;
}

HMODULE LoadFromSystemFolder(const wchar_t* name) {
    HMODULE loaded = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (loaded != nullptr || GetLastError() != ERROR_INVALID_PARAMETER) return loaded;
    // Windows 7 without its loader update refuses the flag: the full path
    // then, the library's own dependencies looked for beside it first.
    const std::wstring path = InSystemFolder(name);
    if (path.empty()) return nullptr;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void* CallOf(HMODULE module, const char* name) {
    return module == nullptr ? nullptr : reinterpret_cast<void*>(GetProcAddress(module, name));
}

}  // namespace

void LoadLibrariesFromSystemOnly() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto setDefault = SystemCall<SetDefaultDllDirectoriesFn>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (setDefault != nullptr) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE SystemLibrary(const wchar_t* name) {
    if (HMODULE loaded = GetModuleHandleW(name)) return loaded;
    return LoadFromSystemFolder(name);
}

void* SystemCall(const wchar_t* library, const char* name) {
    return CallOf(SystemLibrary(library), name);
}

void* LoadedSystemCall(const wchar_t* library, const char* name) {
    return CallOf(GetModuleHandleW(library), name);
}

}  // namespace kelvo
