#pragma once
#include "lists/EntryLists.h"
#include "platform/Controls.h"
#include "platform/Options.h"

namespace kelvo {

// The six editing buttons and Help of the settings window.
struct EditingButtons {
    Button& customMoveDown;
    Button& customMoveUp;
    Button& customRemoveItem;
    Button& desktopMoveDown;
    Button& desktopMoveUp;
    Button& desktopRemoveItem;
    Button& help;
};

// The Options tab's controls.
struct OptionsControls {
    CheckBox& startAtSignIn;  // "Start KelvoTop when I sign in"
    HotKeyField& menuKeyField;
    CheckBox& folderMenus;  // "Show folders as submenus"
    CheckBox& menuIcons;    // "Show icons in the menu"
};

// The settings window "KelvoTop", what is on it, and the notice shown while
// its OK stores the lists and rebuilds the menu.
struct SettingsParts {
    Window& window;
    Window& waitNotice;
    TabControl& tabs;
    EntryLists lists;
    EditingButtons buttons;
    TextBox& helpPane;
    DropTarget& dropTarget;
    OptionsControls options;
};

// What the settings window keeps between events.
struct SettingsState {
    bool helpShown = false;
    // Dropped files become custom rows once the custom tab was selected.
    bool takingDrops = false;
    // The lists' counters as the menu has them, which Cancel puts back.
    int desktopMenuCount = 0;
    int customMenuCount = 0;
};

// Makes the settings window, hidden, the first time it is asked for, and
// keeps it: most sessions never open it.
class SettingsWindowMaker {
public:
    virtual ~SettingsWindowMaker() = default;
    virtual SettingsParts& Make() = 0;
};

}  // namespace kelvo
