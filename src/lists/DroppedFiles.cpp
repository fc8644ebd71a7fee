#include "lists/DroppedFiles.h"

#include <unordered_set>

#include "lists/BusyWhile.h"
#include "lists/ListFiles.h"
#include "store/Choices.h"
#include "store/SplitFields.h"

namespace kelvo {
namespace {

std::unordered_set<std::string> NamesOf(const ListView& view) {
    std::unordered_set<std::string> names;
    for (int row = 1; row <= view.Count(); ++row) names.insert(view.Row(row).text);
    return names;
}

// One drop as it is taken: where its files go, and the names listed so far,
// which grow with every file taken.
struct Drop {
    const EntrySources& sources;
    RowTarget custom;
    MessageBoxes& messages;
    int& customCount;
    std::unordered_set<std::string> names;
};

// Adds one dropped file unless it is refused.
void TakeDroppedFile(Drop& drop, const std::string& path) {
    const ListEntry entry = DroppedEntry(path);
    if (entry.name.empty()) {
        drop.messages.Inform(kDriveRefusedMessage + path);
        return;
    }
    // The shell hands over absolute paths; anything else would be looked up
    // against the current folder, which the stored lists never are either.
    if (!IsAbsoluteLocation(entry.location) || drop.sources.files.Look(entry.FullPath()) != PathLookup::Found) return;
    // The popup stops at the first repeated custom name, so a duplicate
    // would hide every entry after it.
    if (!drop.names.insert(entry.name).second) {
        drop.messages.Inform(kAlreadyOnListMessage);
        return;
    }
    AddEntryRow(drop.sources.shell, drop.custom, entry);
    ++drop.customCount;
}

}  // namespace

ListEntry DroppedEntry(const std::string& path) {
    const std::string name = SplitFields(path, "\\").back();
    return MakeEntry(name, path.substr(0, path.size() - name.size()));
}

void TakeDroppedFiles(const EntrySources& sources, const EntryLists& lists, MessageBoxes& messages,
                      int& customCount, const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    BusyWhile busy(lists.pointer);
    Drop drop{sources, lists.custom, messages, customCount, NamesOf(lists.custom.view)};
    for (const std::string& path : paths) TakeDroppedFile(drop, path);
}

}  // namespace kelvo
