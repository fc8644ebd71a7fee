#include "lists/DesktopScan.h"

#include "lists/BusyWhile.h"
#include "lists/EntryImages.h"
#include "lists/FileRows.h"

#include <set>
#include <string>
#include <vector>

namespace kelvo {
namespace {

std::string WithTrailingBackslash(const std::string& folder) {
    return folder.ends_with('\\') ? folder : folder + '\\';
}

// Adds a row for every entry of `folder` but "." and ".." and those whose
// shown name is in `hidden`; returns the shown names added. `added` counts
// the rows of the whole scan.
std::set<std::string> AddScannedFiles(const EntrySources& sources, RowTarget desktop, const std::string& folder,
                                      const std::set<std::string>& hidden, int& added) {
    const std::string location = WithTrailingBackslash(folder);
    std::set<std::string> listed;
    for (const std::string& name : sources.folders.List(folder)) {
        if (name == "." || name == "..") continue;
        const std::string shown = sources.folders.LowerCaseName(name);
        if (hidden.contains(shown)) continue;
        AddFileRow(sources.shell, desktop, FileToAdd{name, location + name, shown, location});
        listed.insert(shown);
        // The first row shows with the next paint; later ones at once.
        if (++added > 1) desktop.view.Repaint();
    }
    return listed;
}

}  // namespace

void ScanDesktopFolder(const EntrySources& sources, const EntryLists& lists, EventPump& pump, ListsState& state) {
    BusyWhile busy(lists.pointer);
    pump.RunPending();
    int added = 0;
    std::set<std::string> ownNames;
    const std::string folder = sources.folders.DesktopFolder();
    if (!folder.empty()) {
        state.desktopPath = WithTrailingBackslash(folder);
        pump.RunPending();
        ownNames = AddScannedFiles(sources, lists.desktop, folder, {}, added);
    }
    // Then the desktop shared by all users, which the screen shows beside
    // the user's own; of a name on both, the user's own entry is the one.
    const std::string shared = sources.folders.PublicDesktopFolder();
    if (!shared.empty()) AddScannedFiles(sources, lists.desktop, shared, ownNames, added);
}

void LoadDeskTop(const EntrySources& sources, const EntryLists& lists, EventPump& pump, ListsState& state) {
    lists.desktop.view.Clear();
    ResetImages(lists.desktop);
    ScanDesktopFolder(sources, lists, pump, state);
}

}  // namespace kelvo
