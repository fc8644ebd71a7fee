// The least a tray program does: one notification-area icon and, on a
// right-button release on it, a popup of two rows shown as KelvoTop shows
// its own. The benchmark holds KelvoTop's figures against this program's.
#include <windows.h>

#include <shellapi.h>

namespace {

constexpr wchar_t kClassName[] = L"KelvoBareTray";
constexpr UINT kTrayMessage = 0x0601;
constexpr UINT kPropertiesId = 1;
constexpr UINT kExitId = 2;

HMENU popup = nullptr;

NOTIFYICONDATAW IconOf(HWND window) {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = 0;
    return icon;
}

void AddIcon(HWND window) {
    NOTIFYICONDATAW icon = IconOf(window);
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = kTrayMessage;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpynW(icon.szTip, L"Bare tray", ARRAYSIZE(icon.szTip));
    Shell_NotifyIconW(NIM_ADD, &icon);
}

void RemoveIcon(HWND window) {
    NOTIFYICONDATAW icon = IconOf(window);
    Shell_NotifyIconW(NIM_DELETE, &icon);
}

// "Properties" only stands where KelvoTop has its own; "Exit" ends the program.
void ShowPopup(HWND window) {
    POINT at{};
    GetCursorPos(&at);
    SetForegroundWindow(window);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, window, nullptr));
    PostMessageW(window, WM_NULL, 0, 0);
    if (chosen == kExitId) DestroyWindow(window);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kTrayMessage && lParam == WM_RBUTTONUP) {
        ShowPopup(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        RemoveIcon(window);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, kPropertiesId, L"Properties");
    AppendMenuW(popup, MF_STRING, kExitId, L"Exit");
    // Never shown: it owns the icon and the popup, as KelvoTop's hidden window does.
    HWND window = CreateWindowW(kClassName, L"Bare tray", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    AddIcon(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DestroyMenu(popup);
    return 0;
}
