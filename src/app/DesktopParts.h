#pragma once
#include <string>

#include "menus/MenuLevel.h"
#include "platform/Controls.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/ImageList.h"
#include "platform/Launcher.h"
#include "platform/ListView.h"
#include "platform/Options.h"
#include "platform/SettingsStore.h"
#include "platform/ShellInfo.h"
#include "platform/Shell.h"
#include "settings/OptionsTab.h"

namespace kelvo {

// The program's form-level state, owned by the application object.
struct DesktopState {
    int desktopCount = 0;
    int customCount = 0;
    int desktopMenuCount = 0;
    int customMenuCount = 0;
    bool helpShown = false;
    // Dropped files become custom rows once the custom tab was selected.
    bool takingDrops = false;
    std::string desktopPath;
    // A list whose view could not be read in full from the store: OK does
    // not save it until a later fill reads it whole.
    bool desktopUnread = false;
    bool customUnread = false;
    OptionsState options;
};

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

// Everything of the platform that the logic drives, as contracts.
struct DesktopParts {
    SettingsStore& store;
    FileSystem& files;
    ListView& listView1;  // desktop list
    ListView& listView2;  // custom list
    ImageList& imageList1;
    ImageList& imageList2;
    Window& settingsWindow;  // "KelvoTop"
    Window& splash;          // frmLogo
    Window& waitNotice;      // frmWait
    TabControl& tabs;
    EditingButtons buttons;
    Taskbar& taskbar;
    PopupPresenter& popup;
    EventPump& pump;
    Program& program;
    Launcher& launcher;
    ShellInfo& shell;
    Folders& folders;
    BusyPointer& pointer;  // over the settings window
    TextBox& helpText;     // DeskTopHelp
    DropTarget& dropTarget;  // the settings window
    MessageBoxes& messages;
    OptionsParts options;  // the Options tab
};

}  // namespace kelvo
