#include "menus/PopupMenu.h"

#include <future>
#include <stdexcept>
#include <system_error>
#include <string>
#include <unordered_set>

#include "menus/MenuIds.h"
#include "store/ChoiceReader.h"
#include "store/Choices.h"

namespace kelvo {

PopupMenu::PopupMenu() {
    tree.InsertSeparator(0);  // the custom entries follow this row
    tree.InsertSeparator(1);
    tree.InsertSubmenu(2, kDesktopCaption).InsertSeparator(0);
    tree.InsertCommand(3, kPropertiesId, kPropertiesCaption);
    tree.InsertCommand(4, kExitId, kExitCaption);
}

MenuLevel& DesktopSubmenu(MenuLevel& tree) {
    // Searched from the end: the custom entries above it may be many.
    for (int pos = tree.Count() - 1; pos >= 0; --pos) {
        if (MenuLevel* submenu = tree.SubMenu(pos)) return *submenu;
    }
    throw std::logic_error("popup menu without its DeskTop submenu");
}

namespace {

void AddCustomEntries(PopupMenu& menu, ChoiceReader& reader, ListsState& state) {
    std::unordered_set<std::string> names;
    while (auto entry = reader.Next()) {
        if (!names.insert(entry->name).second) break;
        const int k = static_cast<int>(menu.custom.size()) + 1;
        menu.tree.InsertCommand(k, kCustomIdBase + k, entry->name);
        menu.custom.push_back(std::move(*entry));
    }
    state.customCount = static_cast<int>(menu.custom.size());
}

// A stored list read to its end: its usable entries, and why reading
// stopped early.
struct ReadList {
    std::vector<ListEntry> entries;
    std::optional<std::string> failure;
};

ReadList ReadToEnd(ChoiceReader reader) {
    ReadList list;
    while (auto entry = reader.Next()) list.entries.push_back(std::move(*entry));
    list.failure = reader.Failure();
    return list;
}

ReadList ReadStoredList(SettingsStore& store, const char* section) {
    return ReadToEnd(ChoiceReader(store, section));
}

// The list read on another thread through `other`; nothing when there is
// no second store or no thread to be had, and it is read here instead.
std::future<ReadList> ReadAside(SettingsStore* other, const char* section) {
    if (other == nullptr) return {};
    try {
        return std::async(std::launch::async, ReadStoredList, std::ref(*other), section);
    } catch (const std::system_error&) {
        return {};
    }
}

std::optional<std::string> AddDesktopEntries(PopupMenu& menu, ReadList list, ListsState& state) {
    MenuLevel& submenu = DesktopSubmenu(menu.tree);
    for (ListEntry& entry : list.entries) {
        const int k = static_cast<int>(menu.desktop.size()) + 1;
        submenu.InsertCommand(k, kDesktopIdBase + k, entry.name);
        menu.desktop.push_back(std::move(entry));
    }
    state.desktopCount = static_cast<int>(menu.desktop.size());
    return list.failure;
}

// What OK stored of a list, or, when its save failed, the store's list.
ChoiceReader ReaderOf(const SavedList& saved, SettingsStore& store, const char* section) {
    return saved ? ChoiceReader(*saved) : ChoiceReader(store, section);
}

// True when the stored desktop list holds kDesktopEntriesWorthAThread entries
// or more, and so a key after them, its terminator or another entry; false
// too when that key cannot be read: reading in turn then tells why.
bool LongDesktopList(SettingsStore& store) {
    try {
        const std::string afterThem = ChoiceKey(kDesktopEntriesWorthAThread + 1);
        return store.Get(kDesktopSection, afterThem).kind != StoredValue::Kind::Absent;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

ListFailures CreatePopupMenus(PopupMenu& menu, SettingsStore& store, ListsState& state) {
    // Every read waits on the store, so two long lists read side by side
    // take little longer than one. Declared first, the second store outlives
    // the read that uses it, however this ends.
    const std::unique_ptr<SettingsStore> other = LongDesktopList(store) ? store.OpenForOtherThread() : nullptr;
    std::future<ReadList> desktop = ReadAside(other.get(), kDesktopSection);
    ChoiceReader custom(store, kCustomSection);
    AddCustomEntries(menu, custom, state);
    ListFailures failures{custom.Failure(), {}};
    failures.desktop = AddDesktopEntries(
        menu, desktop.valid() ? desktop.get() : ReadStoredList(store, kDesktopSection), state);
    return failures;
}

ListFailures RebuildPopupMenu(PopupMenu& menu, SettingsStore& store, const SavedLists& saved, EventPump& pump,
                              ListsState& state) {
    menu.tree.RemoveRange(1, static_cast<int>(menu.custom.size()));
    menu.custom.clear();
    DesktopSubmenu(menu.tree).RemoveRange(1, static_cast<int>(menu.desktop.size()));
    menu.desktop.clear();
    menu.folderEntries.clear();
    pump.RunPending();
    ChoiceReader custom = ReaderOf(saved.custom, store, kCustomSection);
    AddCustomEntries(menu, custom, state);
    std::optional<std::string> desktop =
        AddDesktopEntries(menu, ReadToEnd(ReaderOf(saved.desktop, store, kDesktopSection)), state);
    return ListFailures{custom.Failure(), desktop};
}

}  // namespace kelvo
