#include "menus/EntryShellMenu.h"

#include "menus/FolderRows.h"
#include "menus/MenuEntries.h"

namespace kelvo {

std::optional<std::string> ShellItemOfRow(const PopupMenu& menu, const FolderLevels& folders, int id) {
    if (const ListEntry* entry = EntryForCommand(menu, id)) return entry->location + entry->name;
    if (const std::string* item = folders.ItemPathOf(id)) return *item;
    return std::nullopt;
}

std::string WhyNoShellMenu(FileSystem& files, ReachableRoots& roots, const std::string& path) {
    if (roots.KnownNotResponding(path)) return kNotRespondingText;
    if (!roots.Reachable(path)) return kNotAvailableText;
    switch (files.Look(path)) {
        case PathLookup::FileNotFound:
        case PathLookup::PathNotFound: return kFileNotFoundText;
        case PathLookup::NotReady:
        case PathLookup::NetworkError:
            roots.NoteUnreachable(path);
            return kNotAvailableText;
        // The shell may still make a menu where the file system would not
        // say; where it cannot, it gives its own reason.
        case PathLookup::Found:
        case PathLookup::AccessDenied:
        case PathLookup::OtherError: break;
    }
    return {};
}

}  // namespace kelvo
