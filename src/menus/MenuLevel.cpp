#include "menus/MenuLevel.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace kelvo {

MenuLevel* MenuLevel::SubMenu(int pos) {
    return const_cast<MenuLevel*>(std::as_const(*this).SubMenu(pos));
}

const MenuLevel* MenuLevel::SubMenu(int pos) const {
    if (pos < 0 || pos >= Count()) return nullptr;
    return items_[static_cast<std::size_t>(pos)].submenu.get();
}

void MenuLevel::Insert(int pos, MenuItem item) {
    if (pos < 0 || pos > Count()) throw std::out_of_range("menu position");
    items_.insert(items_.begin() + pos, std::move(item));
    ++revision_;
}

void MenuLevel::InsertCommand(int pos, int id, const std::string& text, int icon) {
    Insert(pos, MenuItem{MenuItemKind::Command, id, text, nullptr, icon});
}

void MenuLevel::InsertSeparator(int pos) {
    Insert(pos, MenuItem{MenuItemKind::Separator, 0, {}, nullptr});
}

void MenuLevel::InsertColumnBreak(int pos, int id) {
    Insert(pos, MenuItem{MenuItemKind::ColumnBreak, id, {}, nullptr});
}

MenuLevel& MenuLevel::InsertSubmenu(int pos, const std::string& text, int id, int icon) {
    auto submenu = std::make_unique<MenuLevel>();
    MenuLevel& result = *submenu;
    Insert(pos, MenuItem{MenuItemKind::Submenu, id, text, std::move(submenu), icon});
    return result;
}

void MenuLevel::InsertNotice(int pos, const std::string& text) {
    Insert(pos, MenuItem{MenuItemKind::Notice, 0, text, nullptr});
}

void MenuLevel::SetIcon(int pos, int icon) {
    int& shown = items_.at(static_cast<std::size_t>(pos)).icon;
    if (shown == icon) return;
    shown = icon;
    ++revision_;
}

void MenuLevel::RemoveRange(int pos, int count) {
    if (pos < 0 || count < 0 || pos + count > Count()) throw std::out_of_range("menu range");
    items_.erase(items_.begin() + pos, items_.begin() + pos + count);
    ++revision_;
}

int MenuLevel::PositionOf(int id) const {
    auto found = std::find_if(items_.begin(), items_.end(), [id](const MenuItem& item) {
        return item.kind != MenuItemKind::Submenu && item.id == id;
    });
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

}  // namespace kelvo
