#pragma once
#include <exception>

#include "app/Application.h"
#include "platform/win32/Win32Desktop.h"

namespace kelvo {

// Runs one event of the logic. An error that escapes it ends the program, as
// an unhandled error always did; it must not unwind through the window
// manager's frames.
template <class Event>
void Guarded(Event&& event) {
    try {
        event();
    } catch (const std::exception&) {
        PostQuitMessage(1);
    }
}

// Routes the settings window's messages, buttons, lists, tabs and drops to
// the application.
void ConnectEvents(Win32Desktop& desktop, Application& app);

}  // namespace kelvo
