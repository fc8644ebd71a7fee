#include "lists/ListLoader.h"

#include <string>

#include "lists/BusyWhile.h"
#include "lists/EntryImages.h"
#include "lists/FileRows.h"
#include "lists/ListFiles.h"
#include "lists/ReachableRoots.h"
#include "store/ChoiceReader.h"
#include "store/Choices.h"

namespace kelvo {

namespace {
using AddFile = void (*)(DesktopParts&, const ListEntry&);

int LoadView(DesktopParts& parts, const std::string& section, RowTarget rows, AddFile add,
             ReachableRoots& roots) {
    ChoiceReader reader(parts.store, section);
    while (auto entry = reader.Next()) {
        if (!roots.Reachable(entry->fullPath)) {
            // Away for now (an unplugged stick, a share behind a closed VPN):
            // kept as it was, so OK writes it back.
            AddUnavailableRow(rows, entry->name, entry->location);
        } else if (parts.files.Exists(entry->fullPath)) {
            add(parts, *entry);
        } else {
            // Gone: it stays in the store until the next OK, which writes
            // only what the view shows.
            continue;
        }
        rows.view.Repaint();
    }
    return reader.Count();
}

void FillDesktopView(DesktopParts& parts, DesktopState& state, ReachableRoots& roots) {
    state.desktopCount = LoadView(parts, kDesktopSection, RowTarget{parts.listView1, parts.imageList1},
                                  AddDesktopFile, roots);
}

void FillCustomView(DesktopParts& parts, DesktopState& state, ReachableRoots& roots) {
    state.customCount = LoadView(parts, kCustomSection, RowTarget{parts.listView2, parts.imageList2},
                                 AddCustomFile, roots);
}
}  // namespace

void LoadDesktopView(DesktopParts& parts, DesktopState& state) {
    BusyWhile busy(parts.pointer);
    ReachableRoots roots(parts.files);
    FillDesktopView(parts, state, roots);
}

void LoadCustomView(DesktopParts& parts, DesktopState& state) {
    BusyWhile busy(parts.pointer);
    ReachableRoots roots(parts.files);
    FillCustomView(parts, state, roots);
}

void RefillListViews(DesktopParts& parts, DesktopState& state) {
    BusyWhile busy(parts.pointer);
    ResetDesktopImages(parts);
    ResetCustomImages(parts);
    parts.listView1.Clear();
    parts.listView2.Clear();
    // One look at each drive or share for both lists.
    ReachableRoots roots(parts.files);
    FillCustomView(parts, state, roots);
    FillDesktopView(parts, state, roots);
}

}  // namespace kelvo
