#include "lists/DesktopScan.h"

#include "lists/BusyWhile.h"
#include "lists/EntryImages.h"
#include "lists/FileRows.h"

namespace kelvo {
namespace {

std::string WithTrailingBackslash(const std::string& folder) {
    return folder.ends_with('\\') ? folder : folder + '\\';
}

void AddScannedFiles(DesktopParts& parts, const std::string& location,
                     const std::vector<std::string>& names) {
    RowTarget desktop{parts.listView1, parts.imageList1};
    int added = 0;
    for (const std::string& name : names) {
        if (name == "." || name == "..") continue;
        const std::string shown = parts.folders.LowerCaseName(name);
        AddFileRow(parts.shell, desktop, FileToAdd{name, location + name, shown, location});
        // The first row shows with the next paint; later ones at once.
        if (++added > 1) parts.listView1.Repaint();
    }
}

}  // namespace

void ScanDesktopFolder(DesktopParts& parts, DesktopState& state) {
    BusyWhile busy(parts.pointer);
    parts.pump.RunPending();
    const std::string folder = parts.folders.DesktopFolder();
    if (!folder.empty()) {
        state.desktopPath = WithTrailingBackslash(folder);
        parts.pump.RunPending();
        AddScannedFiles(parts, state.desktopPath, parts.folders.List(folder));
    }
}

void LoadDeskTop(DesktopParts& parts, DesktopState& state) {
    parts.listView1.Clear();
    ResetDesktopImages(parts);
    ScanDesktopFolder(parts, state);
}

}  // namespace kelvo
