#include "platform/win32/Win32WindowClass.h"

#include <stdexcept>

namespace kelvo {

void RegisterFormClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, name, &existing)) return;
    WNDCLASSEXW type{};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    type.lpszClassName = name;
    if (RegisterClassExW(&type) == 0) throw std::runtime_error("cannot register a window class");
}

}  // namespace kelvo
