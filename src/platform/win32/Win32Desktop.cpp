#include "platform/win32/Win32Desktop.h"

namespace kelvo {

Win32Desktop::Win32Desktop(HINSTANCE instance, SettingsStore& store, Folders& folders)
    : settings(instance),
      splash(instance, NoticeKind::Logo),
      wait(instance, NoticeKind::Wait),
      taskbar(settings.Handle(), settings.ProgramIcon(true)),
      popup(settings.Handle()),
      launcher(settings.Handle()),
      helpText(settings.ControlHandle("DeskTopHelp")),
      parts{store, files, settings.ListView1(), settings.ListView2(), settings.ImageList1(),
            settings.ImageList2(), settings.AsWindow(), splash.AsWindow(), wait.AsWindow(),
            settings.Tabs(),
            EditingButtons{settings.ButtonOf(SettingsButton::CustomMoveDown),
                           settings.ButtonOf(SettingsButton::CustomMoveUp),
                           settings.ButtonOf(SettingsButton::CustomRemoveItem),
                           settings.ButtonOf(SettingsButton::DesktopMoveDown),
                           settings.ButtonOf(SettingsButton::DesktopMoveUp),
                           settings.ButtonOf(SettingsButton::DesktopRemoveItem),
                           settings.ButtonOf(SettingsButton::Help)},
            taskbar, popup, pump, program, launcher, shell, folders, pointer, helpText} {}

}  // namespace kelvo
