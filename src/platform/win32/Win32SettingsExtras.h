#pragma once
#include <windows.h>

#include "platform/Controls.h"

namespace kelvo {

// The arrow with an hourglass over the settings window while a long fill
// runs; the window asks for its cursor through OnSetCursor.
class Win32BusyPointer final : public BusyPointer {
public:
    void SetBusy(bool busy) override;
    // WM_SETCURSOR: true when the busy pointer was set.
    bool OnSetCursor() const;

private:
    bool busy_ = false;
};

// A multi-line edit control as a text box.
class Win32TextBox final : public TextBox {
public:
    explicit Win32TextBox(HWND edit) : edit_(edit) {}
    void SetText(const std::string& text) override;
    std::string Text() const override;

private:
    HWND edit_;
};

}  // namespace kelvo
