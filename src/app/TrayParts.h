#pragma once
#include "platform/Controls.h"
#include "platform/FileSystem.h"
#include "platform/FolderReader.h"
#include "platform/Launcher.h"
#include "platform/Options.h"
#include "platform/RowIcons.h"
#include "platform/Shell.h"
#include "platform/ShellMenus.h"

namespace kelvo {

// The resident program as the user meets it without the settings window:
// its icon, its popup, the key that opens the popup, what it starts, the
// splash shown while it starts, and its messages.
struct TrayParts {
    Taskbar& taskbar;
    PopupPresenter& popup;
    MenuKey& menuKey;
    Launcher& launcher;
    Program& program;
    EventPump& pump;
    Window& splash;
    MessageBoxes& messages;
    // The user's entry that starts the program at sign-in.
    SignInStart& signInStart;
    // What the popup's folders hold, read when they open, and what the
    // entries lead to, followed after the lists are built.
    FolderReader& folderReader;
    BackgroundFollower& follower;
    // The Explorer's menu of an entry, shown over the popup.
    ShellMenus& shellMenus;
    // The icons of the popup's rows, found after the lists are built.
    IconFinder& icons;
    // The entries' files and roots as the popup looks at them while it
    // shows: no look holds it longer than the folder reader's deadline.
    FileSystem& files;
};

}  // namespace kelvo
