#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Controls.h"
#include "platform/ImageList.h"
#include "platform/ListView.h"
#include "settings/SettingsCommands.h"

namespace kelvo {

// The window class of the settings window, which tools and tests look for.
inline constexpr wchar_t kSettingsClassName[] = L"KelvoTopSettings";

// The settings window "KelvoTop", created hidden with all its controls laid
// out from the layout tables.
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
    ListView& DesktopList();
    ListView& CustomList();
    ImageList& DesktopImages();
    ImageList& CustomImages();
    Button& ButtonOf(SettingsCommand which);
    // The window of a control of the layout by its name, nullptr when none.
    HWND ControlHandle(std::string_view name) const;

    // Offered every message first; returning true means handled, with `result`.
    std::function<bool(UINT message, WPARAM, LPARAM, LRESULT& result)> onMessage;
    // A button was pressed, or its key: Enter for OK (unless another button
    // has the focus), Esc for Cancel, Delete in a list for its Remove.
    std::function<void(SettingsCommand)> onClick;
    // The selected row of a list may have changed: 1 = the desktop list, 2 = the custom list.
    std::function<void(int list)> onListSelection;
    std::function<void(int newTab)> onTabChange;
    // The paths of files dropped onto the window; the drop is finished.
    std::function<void(const std::vector<std::string>& paths)> onDrop;
    // The window moved to a monitor of another scale: its image lists take
    // pictures of the small-icon size there, and are empty.
    std::function<void()> onScaleChanged;

    // The keys of a dialog while the window shows: Tab and the arrows move
    // between controls, Esc is Cancel, Enter is OK or a press of the button
    // that has the focus. True when `message` was such a key and is handled.
    bool TakeDialogKey(MSG& message);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The borderless notices: the one shown while OK saves, and the splash.
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
