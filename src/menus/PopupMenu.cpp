#include "menus/PopupMenu.h"

#include <stdexcept>
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

void AddCustomEntries(PopupMenu& menu, ChoiceReader& reader, DesktopState& state) {
    std::unordered_set<std::string> names;
    while (auto entry = reader.Next()) {
        if (!names.insert(entry->name).second) break;
        const int k = static_cast<int>(menu.custom.size()) + 1;
        menu.tree.InsertCommand(k, kCustomIdBase + k, entry->name);
        menu.custom.push_back(std::move(*entry));
    }
    state.customCount = static_cast<int>(menu.custom.size());
}

void AddDesktopEntries(PopupMenu& menu, ChoiceReader& reader, DesktopState& state) {
    MenuLevel& submenu = DesktopSubmenu(menu.tree);
    while (auto entry = reader.Next()) {
        const int k = static_cast<int>(menu.desktop.size()) + 1;
        submenu.InsertCommand(k, kDesktopIdBase + k, entry->name);
        menu.desktop.push_back(std::move(*entry));
    }
    state.desktopCount = static_cast<int>(menu.desktop.size());
}

// What OK stored of a list, or, when its save failed, the store's list.
ChoiceReader ReaderOf(const SavedList& saved, SettingsStore& store, const char* section) {
    return saved ? ChoiceReader(*saved) : ChoiceReader(store, section);
}

}  // namespace

std::optional<std::string> CreateCustomPopupMenu(PopupMenu& menu, SettingsStore& store, DesktopState& state) {
    ChoiceReader reader(store, kCustomSection);
    AddCustomEntries(menu, reader, state);
    return reader.Failure();
}

std::optional<std::string> CreateDesktopPopupMenu(PopupMenu& menu, SettingsStore& store, DesktopState& state) {
    ChoiceReader reader(store, kDesktopSection);
    AddDesktopEntries(menu, reader, state);
    return reader.Failure();
}

ListFailures RebuildPopupMenu(PopupMenu& menu, SettingsStore& store, const SavedLists& saved, EventPump& pump,
                              DesktopState& state) {
    menu.tree.RemoveRange(1, static_cast<int>(menu.custom.size()));
    menu.custom.clear();
    DesktopSubmenu(menu.tree).RemoveRange(1, static_cast<int>(menu.desktop.size()));
    menu.desktop.clear();
    pump.RunPending();
    ChoiceReader custom = ReaderOf(saved.custom, store, kCustomSection);
    AddCustomEntries(menu, custom, state);
    ChoiceReader desktop = ReaderOf(saved.desktop, store, kDesktopSection);
    AddDesktopEntries(menu, desktop, state);
    return ListFailures{custom.Failure(), desktop.Failure()};
}

}  // namespace kelvo
