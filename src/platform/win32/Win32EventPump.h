#pragma once

#include "platform/Controls.h"

namespace kelvo {

// Runs the window messages already queued for this thread.
class Win32EventPump final : public EventPump {
public:
    void RunPending() override;
};

// Ends the message loop of WinMain.
class Win32Program final : public Program {
public:
    void End() override;
};

}  // namespace kelvo
