#pragma once

namespace kelvo {

class MenuLevel;

// The taskbar and its notification area.
class Taskbar {
public:
    virtual ~Taskbar() = default;
    // True when the shell has a taskbar to hold the icon.
    virtual bool IsPresent() = 0;
    // Places the program's icon with its tip and callback message.
    virtual void AddIcon() = 0;
    virtual void RemoveIcon() = 0;
};

// Shows a popup menu at the pointer. The menu is handed over when it
// changes and kept, so a showing costs no more than the showing itself.
class PopupPresenter {
public:
    virtual ~PopupPresenter() = default;
    // Makes `menu`, as it is now, the menu that Track shows.
    virtual void Prepare(const MenuLevel& menu) = 0;
    // Shows the prepared menu; returns the chosen command id, or 0 when the
    // menu was dismissed.
    virtual int Track() = 0;
};

}  // namespace kelvo
