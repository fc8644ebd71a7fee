#pragma once
#include "fakes/CallLog.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeImageList.h"
#include "fakes/FakeListView.h"
#include "fakes/FakeOptions.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeShellInfo.h"
#include "app/DesktopParts.h"

namespace kelvo {

// Every part of the platform as a fake, all reporting to one call log, and
// the bundle of contracts that the logic takes.
struct FakeDesktop {
    FakeDesktop();
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    CallLog log;
    FakeSettingsStore store;
    FakeFileSystem files;
    FakeListView listView1{"listView1"};
    FakeListView listView2{"listView2"};
    FakeImageList imageList1{"imageList1"};
    FakeImageList imageList2{"imageList2"};
    FakeWindow settingsWindow{"settingsWindow"};
    FakeWindow splash{"splash"};
    FakeWindow waitNotice{"waitNotice"};
    FakeTabControl tabs;
    FakeButton customMoveDown{"customMoveDown"};
    FakeButton customMoveUp{"customMoveUp"};
    FakeButton customRemoveItem{"customRemoveItem"};
    FakeButton desktopMoveDown{"desktopMoveDown"};
    FakeButton desktopMoveUp{"desktopMoveUp"};
    FakeButton desktopRemoveItem{"desktopRemoveItem"};
    FakeButton help{"help"};
    FakeTaskbar taskbar;
    FakePopupPresenter popup;
    FakeEventPump pump;
    FakeProgram program;
    FakeLauncher launcher;
    FakeShellInfo shell;
    FakeFolders folders;
    FakeBusyPointer pointer;
    FakeTextBox helpText;
    FakeDropTarget dropTarget;
    FakeMessageBoxes messages;
    FakeCheckBox startAtSignIn;
    FakeHotKeyField menuKeyField;
    FakeSignInStart signInStart;
    FakeMenuKey menuKey;

    DesktopParts parts{store, files, listView1, listView2, imageList1, imageList2,
                       settingsWindow, splash, waitNotice, tabs,
                       EditingButtons{customMoveDown, customMoveUp, customRemoveItem,
                                      desktopMoveDown, desktopMoveUp, desktopRemoveItem, help},
                       taskbar, popup, pump, program, launcher, shell, folders, pointer,
                       helpText, dropTarget, messages,
                       OptionsParts{startAtSignIn, menuKeyField, signInStart, menuKey}};
};

}  // namespace kelvo
