#pragma once
#include <windows.h>

#include "platform/Shell.h"

namespace kelvo {

// The program's single notification-area icon, owned by `owner`, which
// receives the icon's mouse actions as kTrayCallbackMessage.
class Win32Taskbar final : public Taskbar {
public:
    Win32Taskbar(HWND owner, HICON icon);

    bool IsPresent() override;
    void AddIcon() override;
    void RemoveIcon() override;

private:
    HWND owner_;
    HICON icon_;
};

// The message the shell broadcasts when the taskbar is (re)created, after
// which every icon must be added again.
UINT TaskbarCreatedMessage();

}  // namespace kelvo
