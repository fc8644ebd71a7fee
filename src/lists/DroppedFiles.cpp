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

// Adds one dropped file unless it is refused; `names` holds the names
// listed so far and grows with it.
void TakeDroppedFile(DesktopParts& parts, DesktopState& state, std::unordered_set<std::string>& names,
                     const std::string& path) {
    const ListEntry entry = DroppedEntry(path);
    if (entry.name.empty()) {
        parts.messages.Inform(kDriveRefusedMessage + path);
        return;
    }
    // The shell hands over absolute paths; anything else would be looked up
    // against the current folder, which the stored lists never are either.
    if (!IsAbsoluteLocation(entry.location) || parts.files.Look(entry.fullPath) != PathLookup::Found) return;
    // The popup stops at the first repeated custom name, so a duplicate
    // would hide every entry after it.
    if (!names.insert(entry.name).second) {
        parts.messages.Inform(kAlreadyOnListMessage);
        return;
    }
    AddCustomFile(parts, entry);
    ++state.customCount;
}

}  // namespace

ListEntry DroppedEntry(const std::string& path) {
    const std::string name = SplitFields(path, "\\").back();
    return MakeEntry(name, path.substr(0, path.size() - name.size()));
}

void TakeDroppedFiles(DesktopParts& parts, DesktopState& state, const std::vector<std::string>& paths) {
    if (!state.takingDrops || paths.empty()) return;
    BusyWhile busy(parts.pointer);
    std::unordered_set<std::string> names = NamesOf(parts.listView2);
    for (const std::string& path : paths) TakeDroppedFile(parts, state, names, path);
}

}  // namespace kelvo
