#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

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

// The settings window as a target of files dragged from the file manager.
class Win32DropTarget final : public DropTarget {
public:
    explicit Win32DropTarget(HWND window) : window_(window) {}
    void AcceptDrops() override;

private:
    HWND window_;
};

// Every path of a drop, whole and in drop order; the drop is finished.
std::vector<std::string> TakeDroppedPaths(HDROP drop);

// Message boxes owned by the settings window, under the program's title.
class Win32MessageBoxes final : public MessageBoxes {
public:
    explicit Win32MessageBoxes(HWND owner) : owner_(owner) {}
    void Inform(const std::string& text) override;

private:
    HWND owner_;
};

}  // namespace kelvo
