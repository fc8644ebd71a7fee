#pragma once
#include <exception>
#include <string>

#include "app/Application.h"
#include "platform/win32/Win32Desktop.h"

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

// Routes the settings window's messages, buttons, lists, tabs and drops to
// the application.
void ConnectEvents(Win32Desktop& desktop, Application& app);

}  // namespace kelvo
