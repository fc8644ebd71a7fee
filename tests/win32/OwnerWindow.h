#pragma once
#include <windows.h>

namespace kelvo {

// A hidden 1 x 1 window of a class of its own whose messages go to `proc`,
// as a menu's or a pump's owner; the caller destroys it.
inline HWND MakeOwnerWindow(const wchar_t* className, WNDPROC proc) {
    WNDCLASSW type{};
    type.lpfnWndProc = proc;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = className;
    RegisterClassW(&type);
    return CreateWindowW(className, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, type.hInstance, nullptr);
}

}  // namespace kelvo
