#include "menus/MenuEntries.h"

#include <vector>

#include "menus/MenuIds.h"

namespace kelvo {

namespace {
const ListEntry* Element(const std::vector<ListEntry>& entries, int k) {
    if (k < 1 || static_cast<std::size_t>(k) > entries.size()) return nullptr;
    return &entries[static_cast<std::size_t>(k - 1)];
}
}  // namespace

const ListEntry* EntryForCommand(const PopupMenu& menu, int id) {
    if (id > kDesktopIdBase) return Element(menu.desktop, id - kDesktopIdBase);
    if (id > kCustomIdBase) return Element(menu.custom, id - kCustomIdBase);
    return nullptr;
}

}  // namespace kelvo
