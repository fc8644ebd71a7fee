#pragma once
#include <windows.h>

namespace kelvo {

// The common controls and COM are loaded when first needed, by the settings
// window and by opening a file: a session that only shows the icon and its
// popup never carries them.

// A call of the system library `library`, loaded now if it was not yet.
// Throws when either is missing.
void* LateCall(const wchar_t* library, const char* name);

template <typename Function>
Function LateCall(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function>(LateCall(library, name));
}

// Loads the common controls, with the classes of the settings window.
void LoadCommonControls();

// A call of the common controls, loaded with their classes first.
template <typename Function>
Function CommonControlsCall(const char* name) {
    LoadCommonControls();
    return LateCall<Function>(L"comctl32.dll", name);
}

// The calling thread joins a single-threaded COM apartment, once: the
// shell's open verbs and its file information may use COM.
void EnterComApartment();
// The same, with OLE on top, once: the shell's menu of a file hosts verbs
// such as Copy, which hand data to the clipboard through OLE.
void EnterOleApartment();
// Leaves the apartment at the program's end, when it was entered.
void LeaveComApartment();

}  // namespace kelvo
