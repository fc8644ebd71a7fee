#pragma once
#include <windows.h>

namespace kelvo {

// System libraries come from the system folder only: a file of the same name
// beside the program (in a Downloads folder, say) is never loaded.

// Makes the system folder the only place this process loads libraries from
// by name, where the system can (Windows 8, and 7 with its loader update).
void LoadLibrariesFromSystemOnly();

// The system library `name` (such as L"shcore.dll"), loaded now if it was
// not yet; nullptr when the system has none.
HMODULE SystemLibrary(const wchar_t* name);

// A call of a system library looked up at run time; nullptr where the system
// lacks the library or the call. Calls that the oldest Windows the program
// starts on lacks are reached this way, never imported.
void* SystemCall(const wchar_t* library, const char* name);

template <typename Function>
Function SystemCall(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function>(SystemCall(library, name));
}

// The same, only from a library that is loaded already; nullptr otherwise.
void* LoadedSystemCall(const wchar_t* library, const char* name);

template <typename Function>
Function LoadedSystemCall(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function>(LoadedSystemCall(library, name));
}

template <typename Function>
Function UserCall(const char* name) {
    return SystemCall<Function>(L"user32.dll", name);
}

}  // namespace kelvo
