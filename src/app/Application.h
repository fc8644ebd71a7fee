#pragma once

#include "menus/MenuLevel.h"
#include "menus/PopupMenu.h"
#include "settings/SettingsCommands.h"
#include "app/DesktopParts.h"

namespace kelvo {

// Mouse codes that the notification-area icon reports in lParam.
inline constexpr long kMouseMove = 0x0200;
inline constexpr long kLeftButtonDown = 0x0201;
inline constexpr long kLeftButtonDoubleClick = 0x0203;
inline constexpr long kRightButtonDown = 0x0204;
inline constexpr long kRightButtonUp = 0x0205;
// Window message under which the shell reports them.
inline constexpr unsigned kTrayCallbackMessage = 0x0601;

// The resident program: its life cycle and the events of its icon and menu.
class Application {
public:
    explicit Application(DesktopParts& parts);

    // Runs the start-up sequence; false when the shell has no taskbar.
    bool StartUp();
    // A mouse action reported for the notification-area icon.
    void OnTrayMessage(long mouseCode);
    // Explorer was restarted: the icon must be placed again.
    void OnTaskbarCreated();
    // A command chosen from the popup menu.
    void OnMenuCommand(int id);
    // A button of the settings window.
    void OnSettingsCommand(SettingsCommand command);

    const DesktopState& State() const { return state_; }
    DesktopState& State() { return state_; }
    const MenuLevel& Popup() const { return popup_.tree; }

private:
    void OpenSettings();
    void CommitSettings();
    void Exit();

    DesktopParts& parts_;
    DesktopState state_;
    PopupMenu popup_;
    bool iconPlaced_ = false;
};

}  // namespace kelvo
