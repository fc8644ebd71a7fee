#pragma once
#include <windows.h>

#include <functional>

namespace kelvo {

// The window class of the tray window, by which a second copy of the program
// finds the first, and tools and tests find the program.
inline constexpr wchar_t kTrayClassName[] = L"KelvoTopTray";

// A hidden top-level window that receives the icon's mouse messages, the
// key that opens the menu, the taskbar's restart and a second start, and
// owns the popup. Top-level, since a message-only window gets no broadcast
// such as TaskbarCreated.
class TrayWindow {
public:
    explicit TrayWindow(HINSTANCE instance);
    ~TrayWindow();
    TrayWindow(const TrayWindow&) = delete;
    TrayWindow& operator=(const TrayWindow&) = delete;

    HWND Handle() const { return window; }
    // Offered every message first; returning true means handled, with `result`.
    std::function<bool(UINT message, WPARAM, LPARAM, LRESULT& result)> onMessage;

private:
    template <class Host>
    friend LRESULT CALLBACK HostedWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window = nullptr;
};

}  // namespace kelvo
