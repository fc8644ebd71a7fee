#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

#include "platform/Controls.h"
#include "platform/ImageList.h"
#include "platform/ListView.h"

namespace kelvo {

// Buttons of the settings window that raise click events.
enum class SettingsButton {
    Help, Exit, OK, Cancel,
    DesktopMoveUp, DesktopMoveDown, DesktopRemoveItem, LoadDeskTop,
    CustomMoveUp, CustomMoveDown, CustomRemoveItem, StartExplorer,
};

// The settings window "KelvoTop", created hidden with all its controls laid
// out from the layout tables. It also owns the icon's callback messages.
class SettingsWindow {
public:
    explicit SettingsWindow(HINSTANCE instance);
    ~SettingsWindow();
    SettingsWindow(const SettingsWindow&) = delete;
    SettingsWindow& operator=(const SettingsWindow&) = delete;

    HWND Handle() const;
    HICON ProgramIcon(bool small) const;

    Window& AsWindow();
    TabControl& Tabs();
    ListView& ListView1();
    ListView& ListView2();
    ImageList& ImageList1();
    ImageList& ImageList2();
    Button& ButtonOf(SettingsButton which);
    // The window of a control of the layout by its name, nullptr when none.
    HWND ControlHandle(std::string_view name) const;

    // Offered every message first; returning true means handled, with `result`.
    std::function<bool(UINT message, WPARAM, LPARAM, LRESULT& result)> onMessage;
    std::function<void(SettingsButton)> onClick;
    std::function<void(int list)> onListClick;  // 1 = ListView1, 2 = ListView2
    std::function<void(int newTab)> onTabChange;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The borderless notice frmWait and splash frmLogo.
enum class NoticeKind { Wait, Logo };

class NoticeWindow {
public:
    NoticeWindow(HINSTANCE instance, NoticeKind kind);
    ~NoticeWindow();
    NoticeWindow(const NoticeWindow&) = delete;
    NoticeWindow& operator=(const NoticeWindow&) = delete;

    HWND Handle() const;
    // Shown centred on the screen.
    Window& AsWindow();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace kelvo
