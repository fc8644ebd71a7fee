#pragma once
#include <windows.h>

#include "platform/win32/SettingsWindow.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Launcher.h"
#include "platform/win32/Win32Options.h"
#include "platform/win32/Win32Popup.h"
#include "platform/win32/Win32SettingsExtras.h"
#include "platform/win32/Win32ShellInfo.h"
#include "platform/win32/Win32Taskbar.h"
#include "app/DesktopParts.h"

namespace kelvo {

// Every Windows part of the program, assembled as the logic takes them. The
// store, the folders and the sign-in entry come from outside, so that a test
// or a benchmark can point them at its own registry keys and desktop folder.
struct Win32Desktop {
    Win32Desktop(HINSTANCE instance, SettingsStore& store, Folders& folders, SignInStart& signInStart);
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    SettingsWindow settings;
    NoticeWindow splash;
    NoticeWindow wait;
    Win32FileSystem files;
    Win32Taskbar taskbar;
    Win32Popup popup;
    Win32EventPump pump;
    Win32Program program;
    Win32Launcher launcher;
    Win32ShellInfo shell;
    Win32BusyPointer pointer;
    Win32TextBox helpText;
    Win32DropTarget dropTarget;
    Win32MessageBoxes messages;
    Win32CheckBox startAtSignIn;
    Win32HotKeyField menuKeyField;
    Win32MenuKey menuKey;
    DesktopParts parts;
};

}  // namespace kelvo
