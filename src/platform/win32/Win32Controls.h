#pragma once
#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "platform/Controls.h"

namespace kelvo {

class Win32Button final : public Button {
public:
    explicit Win32Button(HWND button) : button_(button) {}
    void Enable(bool enabled) override;
    bool IsEnabled() const override;
    HWND Handle() const { return button_; }

private:
    HWND button_;
};

// A comctl32 tab control whose page controls are siblings of it; the
// controls of the selected page are shown, all others hidden.
class Win32TabControl final : public TabControl {
public:
    using PageControls = std::vector<std::pair<HWND, int>>;  // control, its page
    Win32TabControl(HWND tabs, PageControls controls);

    int Selected() const override;
    // Selecting from the program raises no tab-change event.
    void Select(int tab) override;
    // The user picked another tab (TCN_SELCHANGE): shows its page, returns its number.
    int OnSelectionChanged();
    HWND Handle() const { return tabs_; }

private:
    void ShowPage(int tab);

    HWND tabs_;
    PageControls controls_;
};

// Window class of the 3-D panels: a raised bevel around a filled area with
// an optional caption; it colours its child controls like their form does.
const wchar_t* PanelClass();

// Window class of text and pictures drawn by the program, for the notices:
// under the program's manifest the system's static class comes from the
// common controls, whose first use loads them whole, and a session that
// never opens the settings window has no other use for them. It takes the
// static control's alignment styles, WM_SETFONT and STM_SETICON.
const wchar_t* DrawnStaticClass();

}  // namespace kelvo
