#pragma once
#include <string>

namespace kelvo {

class Button {
public:
    virtual ~Button() = default;
    virtual void Enable(bool enabled) = 0;
    virtual bool IsEnabled() const = 0;
};

// Tabs are numbered from 0; only the selected tab's controls are visible.
class TabControl {
public:
    virtual ~TabControl() = default;
    virtual int Selected() const = 0;
    virtual void Select(int tab) = 0;
};

class Window {
public:
    virtual ~Window() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;
    // Centres the window on the screen, keeping its size.
    virtual void Centre() = 0;
    // Grows (or, with a negative value, shrinks) the window's width.
    virtual void WidenBy(int twips) = 0;
};

// Lets the window events that are already queued run, without waiting.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void RunPending() = 0;
};

}  // namespace kelvo

namespace kelvo {

class Program {
public:
    virtual ~Program() = default;
    // Ends the program once the current event returns.
    virtual void End() = 0;
};

}  // namespace kelvo

namespace kelvo {

// The mouse pointer over the settings window: the arrow with an hourglass
// while a long fill runs.
class BusyPointer {
public:
    virtual ~BusyPointer() = default;
    virtual void SetBusy(bool busy) = 0;
};

class TextBox {
public:
    virtual ~TextBox() = default;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() const = 0;
};

}  // namespace kelvo

namespace kelvo {

// A window that files can be dragged onto from the file manager.
class DropTarget {
public:
    virtual ~DropTarget() = default;
    // From now on the pointer shows that a drop will be taken.
    virtual void AcceptDrops() = 0;
};

// A modal message box with an OK button and the program's title.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Inform(const std::string& text) = 0;
};

}  // namespace kelvo
