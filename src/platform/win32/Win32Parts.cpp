#include "platform/win32/Win32Parts.h"

#include <utility>

#include "platform/win32/LateLibraries.h"
#include "platform/win32/ProgramFile.h"
#include "platform/win32/resources/ResourceIds.h"

namespace kelvo {

Win32Tray::Win32Tray(HINSTANCE instance, SignInStart& signInStart, std::function<HWND()> messageOwner)
    : window(instance),
      splash(instance, NoticeKind::Logo),
      taskbar(window.Handle(), IDI_KELVOTOP),
      popup(window.Handle(), foundPictures),
      launcher(window.Handle()),
      messages(std::move(messageOwner)),
      menuKey(window.Handle()),
      follower(window.Handle()),
      shellMenus(window.Handle()),
      icons(window.Handle(), foundPictures, ThisProgram()),
      parts{taskbar,  popup,       menuKey,      launcher, program,   pump, splash.AsWindow(),
            messages, signInStart, folderReader, follower, shellMenus, icons, files} {}

Win32Settings::Win32Settings(HINSTANCE instance)
    : window(instance),
      waitNotice(instance, NoticeKind::Wait),
      helpPane(window.ControlHandle("helpPane")),
      dropTarget(window.Handle()),
      startAtSignIn(window.ControlHandle("chkStartAtSignIn")),
      menuKeyField(window.ControlHandle("hkyMenuKey")),
      folderMenus(window.ControlHandle("chkFolderMenus")),
      menuIcons(window.ControlHandle("chkMenuIcons")),
      parts{window.AsWindow(),
            waitNotice.AsWindow(),
            window.Tabs(),
            EntryLists{RowTarget{window.DesktopList(), window.DesktopImages()},
                       RowTarget{window.CustomList(), window.CustomImages()}, pointer},
            EditingButtons{window.ButtonOf(SettingsCommand::CustomMoveDown),
                           window.ButtonOf(SettingsCommand::CustomMoveUp),
                           window.ButtonOf(SettingsCommand::CustomRemoveItem),
                           window.ButtonOf(SettingsCommand::DesktopMoveDown),
                           window.ButtonOf(SettingsCommand::DesktopMoveUp),
                           window.ButtonOf(SettingsCommand::DesktopRemoveItem),
                           window.ButtonOf(SettingsCommand::Help)},
            helpPane,
            dropTarget,
            OptionsControls{startAtSignIn, menuKeyField, folderMenus, menuIcons}} {}

Win32Settings& Win32SettingsMaker::Get() {
    if (made_ == nullptr) {
        // The shell's file information, for the lists, may use COM.
        EnterComApartment();
        made_ = std::make_unique<Win32Settings>(instance_);
        if (onMade) onMade(*made_);
    }
    return *made_;
}

Win32Parts::Win32Parts(HINSTANCE instance, SettingsStore& store, Folders& folders, SignInStart& signInStart)
    : settings(instance), tray(instance, signInStart, [this] { return MessageOwner(); }), sources(store, folders) {}

HWND Win32Parts::MessageOwner() const {
    const Win32Settings* made = settings.IfMade();
    if (made != nullptr && IsWindowVisible(made->window.Handle())) return made->window.Handle();
    return tray.window.Handle();
}

}  // namespace kelvo
