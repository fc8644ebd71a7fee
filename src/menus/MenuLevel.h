#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/Image.h"

namespace kelvo {

class MenuLevel;

// A Notice is a disabled row that says why a level has nothing to choose.
enum class MenuItemKind { Command, Separator, ColumnBreak, Submenu, Notice };

struct MenuItem {
    MenuItemKind kind = MenuItemKind::Command;
    int id = 0;
    std::string text;
    std::unique_ptr<MenuLevel> submenu;
    // The picture before the text: an icon as the IconFinder numbers it, or
    // kNoIcon, kUnavailableIcon or kBlankIcon.
    int icon = kNoIcon;
};

// One level of a popup menu: its rows from position 0 down.
class MenuLevel {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const MenuItem& At(int pos) const { return items_.at(static_cast<std::size_t>(pos)); }
    // The submenu opened by the row at `pos`, or nullptr for any other row
    // and for positions that hold no row.
    MenuLevel* SubMenu(int pos);
    const MenuLevel* SubMenu(int pos) const;

    void InsertCommand(int pos, int id, const std::string& text, int icon = kNoIcon);
    void InsertSeparator(int pos);
    // A separator that starts a new column at `pos`.
    void InsertColumnBreak(int pos, int id);
    // A submenu row; one that stands for a folder carries the folder row's
    // command id, any other -1.
    MenuLevel& InsertSubmenu(int pos, const std::string& text, int id = -1, int icon = kNoIcon);
    void InsertNotice(int pos, const std::string& text);
    // Gives the row at `pos` another picture.
    void SetIcon(int pos, int icon);
    // Removes `count` rows from `pos` on.
    void RemoveRange(int pos, int count);
    // Position of the row with `id` in this level, or -1.
    int PositionOf(int id) const;
    // Counts the changes of this level's rows (not of its submenus').
    unsigned Revision() const { return revision_; }

private:
    void Insert(int pos, MenuItem item);
    std::vector<MenuItem> items_;
    unsigned revision_ = 0;
};

}  // namespace kelvo
