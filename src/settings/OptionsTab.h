#pragma once
#include <optional>
#include <string>

#include "platform/Options.h"
#include "platform/SettingsStore.h"
#include "settings/SettingsParts.h"

namespace kelvo {

// The Options tab's controls and what they act on.
struct OptionsParts {
    OptionsControls controls;
    SignInStart& signInStart;
    MenuKey& menuKey;
};

// What the tab showed when the settings window opened, and the options in
// effect now.
struct OptionsState {
    bool startShown = false;
    std::optional<HotKey> keyShown;
    bool folderMenusShown = true;
    bool menuIconsShown = true;
    std::optional<HotKey> registeredKey;
    // Folders open as submenus.
    bool folderMenus = true;
    // The popup's rows show their icons.
    bool menuIcons = true;
};

// The command that starts the program at `programPath`: the path, quoted.
std::string SignInCommand(const std::string& programPath);
// True when the entry exists, names this program and is not switched off;
// an entry that cannot be read is taken as none.
bool StartsAtSignIn(SignInStart& start);

// The stored key, registered for the program; the user's text when another
// program holds it, nullopt otherwise.
std::optional<std::string> RegisterStoredMenuKey(MenuKey& menuKey, SettingsStore& store, OptionsState& state);

// Shows the options as they are now.
void FillOptionsTab(const OptionsParts& parts, SettingsStore& store, OptionsState& state);

// OK: does what the tab shows where it differs from what it showed when
// opened. A key changed to one that another program holds leaves the key
// before held and stored; a stored key left as it was is never written, and
// is taken now if it could not be before (when it still cannot, that is
// said when OK was pressed on the Options tab). Returns what could not be
// done, one line each; empty when all was.
std::string CommitOptions(const OptionsParts& parts, SettingsStore& store, OptionsState& state, bool onOptionsTab);

// Exit: the key is given back to the system.
void ReleaseMenuKey(MenuKey& menuKey, OptionsState& state);

// The text for a key that another program holds.
std::string KeyTakenMessage(const HotKey& key);

}  // namespace kelvo
