#include "store/ListFiles.h"

#include "menus/EntryImages.h"

namespace kelvo {

namespace {
// Every row shows the blank picture until rows get their shell icons.
ListRow RowOf(const ListEntry& entry) {
    return ListRow{entry.name, entry.location, kDummyIconKey};
}
}  // namespace

void AddDesktopFile(DesktopParts& parts, const ListEntry& entry) {
    parts.listView1.Append(RowOf(entry));
}

void AddCustomFile(DesktopParts& parts, const ListEntry& entry) {
    parts.listView2.Append(RowOf(entry));
}

}  // namespace kelvo
