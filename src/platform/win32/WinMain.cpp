#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <exception>
#include <optional>

#include "platform/win32/RegistryStore.h"
#include "platform/win32/SingleInstance.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32Folders.h"
#include "platform/win32/Win32Taskbar.h"
#include "app/Application.h"

namespace kelvo {
namespace {

// An error that escapes the logic ends the program, as an unhandled error
// always did; it must not unwind through the window manager's frames.
template <class Event>
void Guarded(Event&& event) {
    try {
        event();
    } catch (const std::exception&) {
        PostQuitMessage(1);
    }
}

// The settings window's buttons that the application acts on.
std::optional<SettingsCommand> CommandOf(SettingsButton button) {
    switch (button) {
        case SettingsButton::OK: return SettingsCommand::OK;
        case SettingsButton::Cancel: return SettingsCommand::Cancel;
        case SettingsButton::Exit: return SettingsCommand::Exit;
        case SettingsButton::Help: return SettingsCommand::Help;
        case SettingsButton::LoadDeskTop: return SettingsCommand::LoadDeskTop;
        case SettingsButton::StartExplorer: return SettingsCommand::StartExplorer;
        default: return std::nullopt;
    }
}

// The icon goes with the program, however the program ends.
struct IconRemoval {
    Taskbar& taskbar;
    ~IconRemoval() { taskbar.RemoveIcon(); }
};

// Tab and the arrow keys move between the settings window's controls.
int RunMessageLoop(HWND settings) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsWindowVisible(settings) && IsDialogMessageW(settings, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int Run(HINSTANCE instance) {
    RegistryStore store;
    Win32Folders folders;
    Win32Desktop desktop(instance, store, folders);
    Application app(desktop.parts);

    desktop.settings.onMessage = [&app, &desktop](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
        if (message == WM_SETCURSOR && desktop.pointer.OnSetCursor()) {
            result = TRUE;
            return true;
        }
        if (message == kTrayCallbackMessage) {
            Guarded([&] { app.OnTrayMessage(static_cast<long>(lParam)); });
        } else if (message == TaskbarCreatedMessage()) {
            Guarded([&] { app.OnTaskbarCreated(); });
        } else {
            return false;
        }
        result = 0;
        return true;
    };

    desktop.settings.onClick = [&app](SettingsButton button) {
        if (auto command = CommandOf(button)) Guarded([&] { app.OnSettingsCommand(*command); });
    };

    IconRemoval removal{desktop.taskbar};
    Guarded([&] { app.StartUp(); });
    return RunMessageLoop(desktop.settings.Handle());
}

}  // namespace
}  // namespace kelvo

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    kelvo::SingleInstance single(kelvo::kSingleInstanceName);
    if (!single.IsFirst()) return 0;

    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    // The shell's open call may hand the file to a COM handler.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    int exitCode = 1;
    try {
        exitCode = kelvo::Run(instance);
    } catch (const std::exception&) {
        // A window that could not be made: nothing to show the user with.
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return exitCode;
}
