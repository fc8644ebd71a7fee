#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "app/TrayParts.h"
#include "lists/EntrySources.h"
#include "platform/win32/DeadlineFileSystem.h"
#include "platform/win32/SettingsWindow.h"
#include "platform/win32/TrayWindow.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32FolderReader.h"
#include "platform/win32/Win32Follower.h"
#include "platform/win32/Win32IconFinder.h"
#include "platform/win32/Win32Launcher.h"
#include "platform/win32/Win32Options.h"
#include "platform/win32/Win32Popup.h"
#include "platform/win32/Win32SettingsExtras.h"
#include "platform/win32/Win32ShellMenus.h"
#include "platform/win32/Win32ShellInfo.h"
#include "platform/win32/Win32Taskbar.h"
#include "settings/SettingsParts.h"

namespace kelvo {

// The tray's Windows parts: its hidden window, which gets the icon's
// messages and owns the popup, and what the program does from there.
struct Win32Tray {
    Win32Tray(HINSTANCE instance, SignInStart& signInStart, std::function<HWND()> messageOwner);
    Win32Tray(const Win32Tray&) = delete;
    Win32Tray& operator=(const Win32Tray&) = delete;

    TrayWindow window;
    // The entries' icons as the finder drew them, for the popup's rows.
    FoundPictures foundPictures;
    NoticeWindow splash;
    Win32Taskbar taskbar;
    Win32Popup popup;
    Win32EventPump pump;
    Win32Program program;
    Win32Launcher launcher;
    Win32MessageBoxes messages;
    Win32MenuKey menuKey;
    Win32FolderReader folderReader;
    Win32Follower follower;
    Win32ShellMenus shellMenus;
    Win32IconFinder icons;
    DeadlineFileSystem files{std::make_shared<Win32FileSystem>(), RootLooks::Shared()};
    TrayParts parts;
};

// The settings window's Windows parts, made together.
struct Win32Settings {
    explicit Win32Settings(HINSTANCE instance);
    Win32Settings(const Win32Settings&) = delete;
    Win32Settings& operator=(const Win32Settings&) = delete;

    SettingsWindow window;
    NoticeWindow waitNotice;
    Win32BusyPointer pointer;
    Win32TextBox helpPane;
    Win32DropTarget dropTarget;
    Win32CheckBox startAtSignIn;
    Win32HotKeyField menuKeyField;
    Win32CheckBox folderMenus;
    Win32CheckBox menuIcons;
    SettingsParts parts;
};

// Makes the settings window the first time it is asked for.
class Win32SettingsMaker final : public SettingsWindowMaker {
public:
    explicit Win32SettingsMaker(HINSTANCE instance) : instance_(instance) {}

    SettingsParts& Make() override { return Get().parts; }
    // The settings window, made now if it was not yet.
    Win32Settings& Get();
    // The settings window, or nullptr while it is not made.
    Win32Settings* IfMade() const { return made_.get(); }
    // Called once the window is made, before it is used: connects its events.
    std::function<void(Win32Settings&)> onMade;

private:
    HINSTANCE instance_;
    std::unique_ptr<Win32Settings> made_;
};

// The sources of entries on Windows; the store and the folders come from
// outside, so that a test or a benchmark can point them at its own.
struct Win32Sources {
    Win32Sources(SettingsStore& store, Folders& folders) : parts{store, files, shell, folders} {}
    Win32Sources(const Win32Sources&) = delete;
    Win32Sources& operator=(const Win32Sources&) = delete;

    Win32FileSystem files;
    Win32ShellInfo shell;
    EntrySources parts;
};

// Every Windows part of the program, in the groups the logic takes.
struct Win32Parts {
    Win32Parts(HINSTANCE instance, SettingsStore& store, Folders& folders, SignInStart& signInStart);
    Win32Parts(const Win32Parts&) = delete;
    Win32Parts& operator=(const Win32Parts&) = delete;

    // The window that owns a message box now.
    HWND MessageOwner() const;

    Win32SettingsMaker settings;
    Win32Tray tray;
    Win32Sources sources;
};

}  // namespace kelvo
