#include "menus/FolderLevels.h"

#include "menus/MenuIds.h"

namespace kelvo {
namespace {

bool IsFolderRow(const MenuItem& row) {
    return row.kind == MenuItemKind::Submenu && row.id > kCustomIdBase;
}

// Rows of folders in `level`, shown as level `depth`, whose own levels
// would be nested too deep become plain rows.
void FlattenTooDeep(MenuLevel& level, int depth) {
    for (int pos = 0; pos < level.Count(); ++pos) {
        const MenuItem& row = level.At(pos);
        if (row.kind != MenuItemKind::Submenu) continue;
        if (!IsFolderRow(row)) {
            FlattenTooDeep(*level.SubMenu(pos), depth + 1);
        } else if (depth >= kDeepestLevel) {
            const int id = row.id;
            const std::string caption = row.text;
            const int icon = row.icon;
            level.RemoveRange(pos, 1);
            level.InsertCommand(pos, id, caption, icon);
        }
    }
}

template <class Row>
const Row* Element(const std::vector<Row>& rows, int id, int base) {
    const long long k = static_cast<long long>(id) - base;
    if (k < 0 || k >= static_cast<long long>(rows.size())) return nullptr;
    return &rows[static_cast<std::size_t>(k)];
}

}  // namespace

std::optional<MenuLevel> FolderLevels::Open(const PopupMenu& menu, int id, int depth, const PopupRoom& room,
                                            const RowWidths& widths, IconFinder* icons) {
    const FolderRow* folder = RowOf(menu, id);
    if (folder == nullptr) return std::nullopt;
    MenuLevel shown = LayOutPopup(LevelOf(*folder, icons), room, widths);
    FlattenTooDeep(shown, depth);
    return shown;
}

MenuLevel FolderLevels::LevelOf(const FolderRow& folder, IconFinder* icons) {
    FolderRows contents = ReadFolderRows(reader_, Roots(), folder);
    MenuLevel level;
    level.InsertCommand(0, kOpenIdBase + static_cast<int>(opens_.size()), kOpenCaption);
    opens_.push_back(folder.path);
    level.InsertSeparator(1);
    if (contents.outcome != FolderOutcome::Rows) {
        level.InsertNotice(2, StatusRowText(contents));
        return level;
    }
    for (FolderRow& row : contents.rows) {
        const int rowId = kFolderIdBase + 1 + static_cast<int>(rows_.size());
        const int icon = icons ? icons->TypeIcon(row.path, row.Cascades()) : kNoIcon;
        if (row.Cascades()) {
            level.InsertSubmenu(level.Count(), row.caption, rowId, icon);
        } else {
            level.InsertCommand(level.Count(), rowId, row.caption, icon);
        }
        rows_.push_back(std::move(row));
    }
    return level;
}

const FolderRow* FolderLevels::RowOf(const PopupMenu& menu, int id) const {
    if (const FolderRow* row = Element(rows_, id, kFolderIdBase + 1)) return row;
    const auto entry = menu.folderEntries.find(id);
    return entry == menu.folderEntries.end() ? nullptr : &entry->second;
}

const std::string* FolderLevels::PathOf(int id) const {
    if (const std::string* item = ItemPathOf(id)) return item;
    return Element(opens_, id, kOpenIdBase);
}

const std::string* FolderLevels::ItemPathOf(int id) const {
    const FolderRow* row = Element(rows_, id, kFolderIdBase + 1);
    return row == nullptr ? nullptr : &row->path;
}

ReachableRoots& FolderLevels::Roots() {
    if (!roots_) roots_.emplace(files_);
    return *roots_;
}

void FolderLevels::Forget() {
    // Assigned afresh, so their memory goes too.
    rows_ = {};
    opens_ = {};
    roots_.reset();
}

}  // namespace kelvo
