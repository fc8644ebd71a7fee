#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <utility>
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

// Message boxes under the program's title, owned by the window that
// `owner` names when one is shown: the settings window while it shows, so
// that it waits for the box.
class Win32MessageBoxes final : public MessageBoxes {
public:
    explicit Win32MessageBoxes(std::function<HWND()> owner) : owner_(std::move(owner)) {}
    void Inform(const std::string& text) override;

private:
    std::function<HWND()> owner_;
};

}  // namespace kelvo
