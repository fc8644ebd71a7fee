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
std::set<std::string> AddScannedFiles(DesktopParts& parts, const std::string& folder,
                                      const std::set<std::string>& hidden, int& added) {
    RowTarget desktop{parts.listView1, parts.imageList1};
    const std::string location = WithTrailingBackslash(folder);
    std::set<std::string> listed;
    for (const std::string& name : parts.folders.List(folder)) {
        if (name == "." || name == "..") continue;
        const std::string shown = parts.folders.LowerCaseName(name);
        if (hidden.contains(shown)) continue;
        AddFileRow(parts.shell, desktop, FileToAdd{name, location + name, shown, location});
        listed.insert(shown);
        // The first row shows with the next paint; later ones at once.
        if (++added > 1) parts.listView1.Repaint();
    }
    return listed;
}

}  // namespace

void ScanDesktopFolder(DesktopParts& parts, DesktopState& state) {
    BusyWhile busy(parts.pointer);
    parts.pump.RunPending();
    int added = 0;
    std::set<std::string> ownNames;
    const std::string folder = parts.folders.DesktopFolder();
    if (!folder.empty()) {
        state.desktopPath = WithTrailingBackslash(folder);
        parts.pump.RunPending();
        ownNames = AddScannedFiles(parts, folder, {}, added);
    }
    // Then the desktop shared by all users, which the screen shows beside
    // the user's own; of a name on both, the user's own entry is the one.
    const std::string shared = parts.folders.PublicDesktopFolder();
    if (!shared.empty()) AddScannedFiles(parts, shared, ownNames, added);
}

void LoadDeskTop(DesktopParts& parts, DesktopState& state) {
    parts.listView1.Clear();
    ResetDesktopImages(parts);
    ScanDesktopFolder(parts, state);
}

}  // namespace kelvo
