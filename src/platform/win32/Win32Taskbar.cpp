#include "platform/win32/Win32Taskbar.h"

#include <shellapi.h>

#include <cwchar>
#include <iterator>

#include "app/Application.h"

namespace kelvo {

namespace {
constexpr wchar_t kTip[] = L"Kelvo Desktop";
constexpr UINT kIconId = 0;

NOTIFYICONDATAW IconData(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = kIconId;
    return data;
}
}  // namespace

Win32Taskbar::Win32Taskbar(HWND owner, HICON icon) : owner_(owner), icon_(icon) {}

bool Win32Taskbar::IsPresent() {
    APPBARDATA data{};
    data.cbSize = sizeof data;
    return SHAppBarMessage(ABM_GETTASKBARPOS, &data) == TRUE;
}

void Win32Taskbar::AddIcon() {
    NOTIFYICONDATAW data = IconData(owner_);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon_;
    wcsncpy(data.szTip, kTip, std::size(data.szTip) - 1);
    Shell_NotifyIconW(NIM_ADD, &data);
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
