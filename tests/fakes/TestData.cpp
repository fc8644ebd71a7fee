#include "fakes/TestData.h"

#include "menus/MenuIds.h"
#include "menus/PopupLayout.h"
#include "store/ChoiceReader.h"

namespace kelvo {

StoredList ReadList(SettingsStore& store, const std::string& section) {
    StoredList list;
    ChoiceReader reader(store, section);
    while (auto entry = reader.Next()) list.entries.push_back(std::move(*entry));
    list.count = reader.Count();
    return list;
}

void SeedList(FakeSettingsStore& store, const std::string& section, const std::vector<ListEntry>& entries) {
    int position = 1;
    for (const ListEntry& entry : entries) {
        store.Seed(section, "MenuChoice" + std::to_string(position++), entry.name + "%" + entry.location + "%1");
    }
    store.Seed(section, "MenuChoice" + std::to_string(position), "Done");
}

std::vector<ListEntry> NumberedEntries(int n, const std::string& prefix, const std::string& folder) {
    std::vector<ListEntry> entries;
    entries.reserve(static_cast<std::size_t>(n));
    for (int k = 1; k <= n; ++k) entries.push_back(MakeEntry(prefix + std::to_string(k) + ".txt", "C:\\" + folder + "\\"));
    return entries;
}

std::vector<std::string> MenuRows(const MenuLevel& menu) {
    std::vector<std::string> rows;
    for (int pos = 0; pos < menu.Count(); ++pos) {
        const MenuItem& item = menu.At(pos);
        switch (item.kind) {
            case MenuItemKind::Separator: rows.push_back("-"); break;
            case MenuItemKind::ColumnBreak: rows.push_back("||"); break;
            case MenuItemKind::Submenu: rows.push_back(item.text + ">"); break;
            case MenuItemKind::Command: rows.push_back(item.text); break;
            case MenuItemKind::Notice: rows.push_back("[" + item.text + "]"); break;
        }
    }
    return rows;
}

std::vector<int> ColumnHeights(const MenuLevel& level) {
    std::vector<int> heights{0};
    for (int pos = 0; pos < level.Count(); ++pos) {
        if (level.At(pos).kind == MenuItemKind::ColumnBreak) {
            heights.push_back(0);
        } else {
            ++heights.back();
        }
    }
    return heights;
}

namespace {
void CollectEntryIds(const MenuLevel& level, bool belowMore, std::vector<int>& ids) {
    for (int pos = 0; pos < level.Count(); ++pos) {
        const MenuItem& row = level.At(pos);
        if (row.kind == MenuItemKind::Command && row.id > kCustomIdBase) ids.push_back(row.id);
        if (row.kind == MenuItemKind::Submenu && (belowMore || row.text == kMoreCaption)) {
            CollectEntryIds(*row.submenu, true, ids);
        }
    }
}
}  // namespace

std::vector<int> EntryIdsThroughMore(const MenuLevel& level) {
    std::vector<int> ids;
    CollectEntryIds(level, false, ids);
    return ids;
}

}  // namespace kelvo
