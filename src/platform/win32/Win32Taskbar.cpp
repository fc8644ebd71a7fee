#include "platform/win32/Win32Taskbar.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cwchar>
#include <iterator>
#include <utility>

#include "app/Application.h"
#include "platform/win32/SystemLibraries.h"
#include "platform/win32/Win32ControlsLayout.h"

namespace kelvo {

namespace {
constexpr wchar_t kTip[] = L"Kelvo Desktop";
constexpr UINT kIconId = 0;

// The notification area shows small icons; the system tells their size at
// its scale, and picks the icon's picture of that size.
HICON NotificationAreaIcon(int resourceId) {
    using LoadIconMetricFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, HICON*);
    // Only where the settings window has brought the common controls in.
    const auto loadIconMetric = LoadedSystemCall<LoadIconMetricFn>(L"comctl32.dll", "LoadIconMetric");
    HICON icon = nullptr;
    if (loadIconMetric != nullptr &&
        SUCCEEDED(loadIconMetric(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), LIM_SMALL, &icon))) {
        return icon;
    }
    return LoadIconResource(resourceId, GetSystemMetrics(SM_CXSMICON));
}

NOTIFYICONDATAW IconData(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = kIconId;
    return data;
}
}  // namespace

Win32Taskbar::Win32Taskbar(HWND owner, int iconResource) : owner_(owner), iconResource_(iconResource) {}

Win32Taskbar::~Win32Taskbar() {
    if (icon_ != nullptr) DestroyIcon(icon_);
}

bool Win32Taskbar::IsPresent() {
    APPBARDATA data{};
    data.cbSize = sizeof data;
    return SHAppBarMessage(ABM_GETTASKBARPOS, &data) == TRUE;
}

void Win32Taskbar::AddIcon() {
    // Loaded for each placing: a new taskbar may come at another scale.
    HICON old = std::exchange(icon_, NotificationAreaIcon(iconResource_));
    NOTIFYICONDATAW data = IconData(owner_);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon_;
    wcsncpy(data.szTip, kTip, std::size(data.szTip) - 1);
    Shell_NotifyIconW(NIM_ADD, &data);
    if (old != nullptr) DestroyIcon(old);
}

void Win32Taskbar::RemoveIcon() {
    NOTIFYICONDATAW data = IconData(owner_);
    Shell_NotifyIconW(NIM_DELETE, &data);
}

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

}  // namespace kelvo
