#include "platform/win32/Win32Events.h"

#include "platform/win32/SingleInstance.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32Taskbar.h"
#include "settings/Layout.h"

namespace kelvo {
namespace {

void OnSecondStart(Win32Desktop& desktop, Application& app) {
    Guarded([&] { app.OnSecondStart(); });
    // The second copy let this one take the front.
    HWND settings = desktop.settings.Handle();
    if (IsWindowVisible(settings)) SetForegroundWindow(settings);
}

// The icon's mouse messages, the key that opens the menu, the taskbar's
// restart, a second start and the busy pointer.
void ConnectWindowMessages(Win32Desktop& desktop, Application& app) {
    desktop.settings.onMessage = [&app, &desktop](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
        if (message == WM_SETCURSOR && desktop.pointer.OnSetCursor()) {
            result = TRUE;
            return true;
        }
        if (message == kTrayCallbackMessage) {
            Guarded([&] { app.OnTrayMessage(static_cast<long>(lParam)); });
        } else if (message == TaskbarCreatedMessage()) {
            Guarded([&] { app.OnTaskbarCreated(); });
        } else if (message == WM_HOTKEY) {
            Guarded([&] { app.OnMenuKey(); });
        } else if (message == SecondStartMessage()) {
            OnSecondStart(desktop, app);
        } else {
            return false;
        }
        result = 0;
        return true;
    };
}

}  // namespace

void ShowError(const std::string& text) {
    MessageBoxW(nullptr, Widen(text).c_str(), Widen(layout::Desktop().caption).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

void ConnectEvents(Win32Desktop& desktop, Application& app) {
    ConnectWindowMessages(desktop, app);
    SettingsWindow& settings = desktop.settings;
    settings.onClick = [&app](SettingsCommand command) { Guarded([&] { app.OnSettingsCommand(command); }); };
    settings.onListSelection = [&app](int list) { Guarded([&] { app.OnListSelectionChanged(list); }); };
    settings.onTabChange = [&app](int tab) { Guarded([&] { app.OnTabChange(tab); }); };
    settings.onDrop = [&app](const std::vector<std::string>& paths) {
        Guarded([&] { app.OnFilesDropped(paths); });
    };
    settings.onScaleChanged = [&app] { Guarded([&] { app.OnScaleChanged(); }); };
}

}  // namespace kelvo
