#pragma once
#include <windows.h>

#include "platform/Shell.h"

namespace kelvo {

// The program's single notification-area icon, owned by `owner`, which
// receives the icon's mouse actions as kTrayCallbackMessage. Its picture is
// the icon resource `iconResource` at the size the notification area shows.
class Win32Taskbar final : public Taskbar {
public:
    Win32Taskbar(HWND owner, int iconResource);
    ~Win32Taskbar() override;
    Win32Taskbar(const Win32Taskbar&) = delete;
    Win32Taskbar& operator=(const Win32Taskbar&) = delete;

    bool IsPresent() override;
    void AddIcon() override;
    void RemoveIcon() override;

private:
    HWND owner_;
    int iconResource_;
    HICON icon_ = nullptr;
};

// The message the shell broadcasts when the taskbar is (re)created, after
// which every icon must be added again.
UINT TaskbarCreatedMessage();

}  // namespace kelvo
