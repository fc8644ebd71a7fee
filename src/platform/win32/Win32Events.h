#pragma once
#include <exception>
#include <string>

#include "app/Application.h"
#include "platform/win32/Win32Parts.h"

namespace kelvo {

// Shows `text` in an error box under the program's title, in front.
void ShowError(const std::string& text);

inline constexpr char kEventErrorMessage[] = "KelvoTop met an error and goes on running:\n\n";

// Runs one event of the logic. An error that escapes it is shown and the
// program goes on with the next event; it must not unwind through the
// window manager's frames.
template <class Event>
void Guarded(Event&& event) {
    try {
        event();
    } catch (const std::exception& error) {
        ShowError(kEventErrorMessage + std::string(error.what()));
    } catch (...) {
        ShowError(kEventErrorMessage + std::string("an error of unknown kind"));
    }
}

// Routes the tray window's messages to the application, and the settings
// window's buttons, lists, tabs and drops once it is made.
void ConnectEvents(Win32Parts& parts, Application& app);

}  // namespace kelvo
