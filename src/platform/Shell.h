#pragma once
#include <vector>

namespace kelvo {

class MenuLevel;
struct MenuItem;

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

// The room a popup has on the monitor where it opens.
struct PopupRoom {
    // Rows of text that fit one above the other, below a column break.
    int rowsHigh = 0;
    // Pixels that columns may take side by side.
    int width = 0;
    // Dots per inch there: the text takes another width at another scale.
    int dpi = 0;
    // Tells the sizes of the rows at that scale from earlier ones: it
    // changes with the menu font or the theme, which change the rows' sizes.
    unsigned rowMetrics = 0;

    bool operator==(const PopupRoom&) const = default;
};

// Shows a popup menu at the pointer. The menu is handed over when it
// changes and kept, so a showing costs no more than the showing itself.
enum class PopupOpening { Mouse, Keyboard };

class PopupPresenter {
public:
    virtual ~PopupPresenter() = default;
    // The room where the popup would open now.
    virtual PopupRoom Room() = 0;
    // Pixels across that `row` needs in a column, in the room last asked for.
    virtual int RowWidth(const MenuItem& row) = 0;
    // Makes `menu`, as it is now, the menu that Track shows.
    virtual void Prepare(const MenuLevel& menu) = 0;
    // Shows the prepared menu at the pointer; returns the chosen command id,
    // or 0 when the menu was dismissed. Opened from the keyboard, its first
    // entry is selected, so the arrows and Enter work at once. Every folder's
    // submenu filled meanwhile is empty again when it returns.
    virtual int Track(PopupOpening opening) = 0;
    // While the popup shows: makes `level` the rows of the submenu of the
    // folder row with `id`, as the menu manager is about to show it.
    virtual void FillFolder(int id, const MenuLevel& level) = 0;
    // While the popup shows: closes it and every submenu open in it, as a
    // click elsewhere does; Track then returns 0.
    virtual void Close() = 0;
    // Makes the picture that rows with `icon` (a MenuItem's) show, `side`
    // pixels across, for the menus prepared or filled from now on; false
    // when it cannot be drawn, and those rows show none.
    virtual bool AddPicture(int icon, int side) = 0;
    // Frees the pictures of `icons`; rows that showed one show none.
    virtual void RemovePictures(const std::vector<int>& icons) = 0;
};

}  // namespace kelvo
