#include "platform/win32/Win32Desktop.h"

#include "platform/win32/resources/ResourceIds.h"

namespace kelvo {

Win32Desktop::Win32Desktop(HINSTANCE instance, SettingsStore& store, Folders& folders, SignInStart& signInStart)
    : settings(instance),
      splash(instance, NoticeKind::Logo),
      wait(instance, NoticeKind::Wait),
      taskbar(settings.Handle(), IDI_KELVOTOP),
      popup(settings.Handle()),
      launcher(settings.Handle()),
      helpText(settings.ControlHandle("DeskTopHelp")),
      dropTarget(settings.Handle()),
      messages(settings.Handle()),
      startAtSignIn(settings.ControlHandle("chkStartAtSignIn")),
      menuKeyField(settings.ControlHandle("hkyMenuKey")),
      menuKey(settings.Handle()),
      parts{store, files, settings.ListView1(), settings.ListView2(), settings.ImageList1(),
            settings.ImageList2(), settings.AsWindow(), splash.AsWindow(), wait.AsWindow(),
            settings.Tabs(),
            EditingButtons{settings.ButtonOf(SettingsCommand::CustomMoveDown),
                           settings.ButtonOf(SettingsCommand::CustomMoveUp),
                           settings.ButtonOf(SettingsCommand::CustomRemoveItem),
                           settings.ButtonOf(SettingsCommand::DesktopMoveDown),
                           settings.ButtonOf(SettingsCommand::DesktopMoveUp),
                           settings.ButtonOf(SettingsCommand::DesktopRemoveItem),
                           settings.ButtonOf(SettingsCommand::Help)},
            taskbar, popup, pump, program, launcher, shell, folders, pointer, helpText, dropTarget,
            messages, OptionsParts{startAtSignIn, menuKeyField, signInStart, menuKey}} {}

}  // namespace kelvo
