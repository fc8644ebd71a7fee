#include <windows.h>

#include <exception>
#include <string>
#include <string_view>

#include "platform/win32/IconFinderProcess.h"
#include "platform/win32/LateLibraries.h"
#include "platform/win32/RegistryStore.h"
#include "platform/win32/SingleInstance.h"
#include "platform/win32/SystemLibraries.h"
#include "platform/win32/Win32Events.h"
#include "platform/win32/Win32Parts.h"
#include "platform/win32/Win32Folders.h"
#include "app/Application.h"

namespace kelvo {
namespace {

// The icon goes with the program, however the program ends.
struct IconRemoval {
    Taskbar& taskbar;
    ~IconRemoval() { taskbar.RemoveIcon(); }
};

int RunMessageLoop(const Win32SettingsMaker& settings) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        Win32Settings* made = settings.IfMade();
        if (made != nullptr && made->window.TakeDialogKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int Run(HINSTANCE instance) {
    RegistryStore store;
    Win32Folders folders;
    Win32SignInStart signInStart;
    Win32Parts parts(instance, store, folders, signInStart);
    Application app(parts.tray.parts, parts.sources.parts, parts.settings);

    ConnectEvents(parts, app);

    IconRemoval removal{parts.tray.taskbar};
    Guarded([&] { app.StartUp(); });
    return RunMessageLoop(parts.settings);
}

}  // namespace
}  // namespace kelvo

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    kelvo::LoadLibrariesFromSystemOnly();
    if (commandLine != nullptr && std::wstring_view(commandLine) == kelvo::kFindIconsSwitch) {
        return kelvo::RunIconFinder();
    }
    kelvo::SingleInstance single(kelvo::kSingleInstanceName);
    if (!single.IsFirst()) {
        // The user's way back to a copy whose icon is gone.
        kelvo::AskFirstCopyToShow();
        return 0;
    }

    int exitCode = 1;
    try {
        exitCode = kelvo::Run(instance);
    } catch (const std::exception& error) {
        // A window that could not be made.
        kelvo::ShowError(std::string("KelvoTop could not start: ") + error.what());
    }
    kelvo::LeaveComApartment();
    return exitCode;
}
