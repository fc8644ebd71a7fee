#include "menus/FolderEntries.h"

#include "menus/MenuIds.h"

namespace kelvo {
namespace {

bool LeadsToAFolder(const ShortcutTarget& target) {
    return target.leadsTo == ShortcutLeadsTo::Folder || target.leadsTo == ShortcutLeadsTo::Drive;
}

// Entry k of a list stands at position k of its level, with id base + k.
void CascadeList(PopupMenu& menu, MenuLevel& level, int idBase, const std::vector<ListEntry>& entries,
                 const ShortcutTarget* targets) {
    for (int k = 1; k <= static_cast<int>(entries.size()); ++k) {
        const ShortcutTarget& target = targets[k - 1];
        const MenuItem& row = level.At(k);
        if (!LeadsToAFolder(target) || row.kind != MenuItemKind::Command || row.id != idBase + k) continue;
        const std::string caption = row.text;
        const int icon = row.icon;
        const ListEntry& entry = entries[static_cast<std::size_t>(k - 1)];
        menu.folderEntries[idBase + k] = FolderRow{caption, entry.location + entry.name, target.path, false};
        level.RemoveRange(k, 1);
        level.InsertSubmenu(k, caption, idBase + k, icon);
    }
}

}  // namespace

std::vector<std::string> EntryPaths(const PopupMenu& menu) {
    std::vector<std::string> paths;
    paths.reserve(menu.custom.size() + menu.desktop.size());
    for (const auto* list : {&menu.custom, &menu.desktop}) {
        for (const ListEntry& entry : *list) paths.push_back(entry.location + entry.name);
    }
    return paths;
}

void CascadeFolderEntries(PopupMenu& menu, const std::vector<ShortcutTarget>& targets) {
    if (targets.size() != menu.custom.size() + menu.desktop.size()) return;
    CascadeList(menu, menu.tree, kCustomIdBase, menu.custom, targets.data());
    CascadeList(menu, DesktopSubmenu(menu.tree), kDesktopIdBase, menu.desktop, targets.data() + menu.custom.size());
}

}  // namespace kelvo
