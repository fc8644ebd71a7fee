#include "lists/ListLoader.h"

#include <string>

#include "lists/EntryImages.h"
#include "store/ChoiceReader.h"
#include "store/Choices.h"
#include "lists/ListFiles.h"

namespace kelvo {

namespace {
using AddFile = void (*)(DesktopParts&, const ListEntry&);

int LoadView(DesktopParts& parts, const std::string& section, ListView& view, AddFile add) {
    ChoiceReader reader(parts.store, section);
    while (auto entry = reader.Next()) {
        // A stored file that is gone stays in the store until the next OK,
        // which writes only what the view shows.
        if (!parts.files.Exists(entry->fullPath)) continue;
        add(parts, *entry);
        view.Repaint();
    }
    return reader.Count();
}
}  // namespace

void LoadDesktopView(DesktopParts& parts, DesktopState& state) {
    state.desktopCount = LoadView(parts, kDesktopSection, parts.listView1, AddDesktopFile);
}

void LoadCustomView(DesktopParts& parts, DesktopState& state) {
    state.customCount = LoadView(parts, kCustomSection, parts.listView2, AddCustomFile);
}

void RefillListViews(DesktopParts& parts, DesktopState& state) {
    ResetDesktopImages(parts);
    ResetCustomImages(parts);
    parts.listView1.Clear();
    parts.listView2.Clear();
    LoadCustomView(parts, state);
    LoadDesktopView(parts, state);
}

}  // namespace kelvo
