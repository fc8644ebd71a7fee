#pragma once
#include <windows.h>

namespace kelvo {

// A message-only window that workers post their answers to.
struct MessageWindow {
    MessageWindow()
        : handle(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~MessageWindow() { DestroyWindow(handle); }
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    // Waits for the next `message` posted to it; its wParam.
    WPARAM Next(UINT message) const {
        MSG posted{};
        if (GetMessageW(&posted, handle, message, message) <= 0) return 0;
        return posted.wParam;
    }
    // Whether `message` waits in its queue now, taking it.
    bool Posted(UINT message) const {
        MSG posted{};
        return PeekMessageW(&posted, handle, message, message, PM_REMOVE);
    }

    HWND handle;
};

}  // namespace kelvo
