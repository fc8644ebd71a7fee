#pragma once
#include "app/TrayParts.h"
#include "fakes/CallLog.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeFolderReader.h"
#include "fakes/FakeIconFinder.h"
#include "fakes/FakeImageList.h"
#include "fakes/FakeListView.h"
#include "fakes/FakeOptions.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeShellInfo.h"
#include "lists/EntryLists.h"
#include "lists/EntrySources.h"
#include "settings/SettingsParts.h"

namespace kelvo {

// The sources of entries as fakes.
struct FakeSources {
    FakeSettingsStore store;
    FakeFileSystem files;
    FakeShellInfo shell;
    FakeFolders folders;
    EntrySources sources{store, files, shell, folders};
};

// The settings window's two lists, their pictures and the pointer over them.
struct FakeEntryLists {
    FakeListView desktopList{"desktopList"};
    FakeListView customList{"customList"};
    FakeImageList desktopImages{"desktopImages"};
    FakeImageList customImages{"customImages"};
    FakeBusyPointer pointer;
    EntryLists lists{RowTarget{desktopList, desktopImages}, RowTarget{customList, customImages}, pointer};
};

// The settings window as fakes; it is made when the program first asks.
struct FakeSettingsWindow : FakeEntryLists, SettingsWindowMaker {
    FakeWindow settingsWindow{"settingsWindow"};
    FakeWindow waitNotice{"waitNotice"};
    FakeTabControl tabs;
    FakeButton customMoveDown{"customMoveDown"};
    FakeButton customMoveUp{"customMoveUp"};
    FakeButton customRemoveItem{"customRemoveItem"};
    FakeButton desktopMoveDown{"desktopMoveDown"};
    FakeButton desktopMoveUp{"desktopMoveUp"};
    FakeButton desktopRemoveItem{"desktopRemoveItem"};
    FakeButton help{"help"};
    FakeTextBox helpPane;
    FakeDropTarget dropTarget;
    FakeCheckBox startAtSignIn;
    FakeHotKeyField menuKeyField;
    FakeCheckBox folderMenus;
    FakeCheckBox menuIcons;
    SettingsParts settings{settingsWindow, waitNotice, tabs, lists,
                           EditingButtons{customMoveDown, customMoveUp, customRemoveItem, desktopMoveDown,
                                          desktopMoveUp, desktopRemoveItem, help},
                           helpPane, dropTarget, OptionsControls{startAtSignIn, menuKeyField, folderMenus, menuIcons}};
    // How often the program had the window made.
    int makes = 0;

    SettingsParts& Make() override {
        ++makes;
        return settings;
    }
};

// The tray's parts as fakes; the popup looks at `files`.
struct FakeTray {
    explicit FakeTray(FileSystem& files)
        : tray{taskbar,  popup,       menuKey,      launcher, program,    pump,  splash,
               messages, signInStart, folderReader, follower, shellMenus, icons, files} {}

    FakeTaskbar taskbar;
    FakePopupPresenter popup;
    FakeMenuKey menuKey;
    FakeLauncher launcher;
    FakeProgram program;
    FakeEventPump pump;
    FakeWindow splash{"splash"};
    FakeMessageBoxes messages;
    FakeSignInStart signInStart;
    FakeFolderReader folderReader;
    FakeFollower follower;
    FakeShellMenus shellMenus;
    FakeIconFinder icons;
    TrayParts tray;
};

// What the code that fills and edits the lists uses, as fakes reporting to
// one call log: tests of the lists build nothing else.
struct FakeListParts : FakeSources, FakeEntryLists {
    FakeListParts();
    FakeListParts(const FakeListParts&) = delete;
    FakeListParts& operator=(const FakeListParts&) = delete;

    FakeEventPump pump;
    FakeMessageBoxes messages;
    CallLog log;
};

// Every part of the platform as a fake, all reporting to one call log.
struct FakeDesktop : FakeSources, FakeSettingsWindow, FakeTray {
    FakeDesktop();
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    CallLog log;
};

}  // namespace kelvo
