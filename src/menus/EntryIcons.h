#pragma once
#include <string>
#include <vector>

#include "menus/PopupMenu.h"
#include "platform/FileSystem.h"
#include "platform/ShellInfo.h"

namespace kelvo {

// The icon of each of `paths`, in the order given: the shell's small icon
// of the file or folder, or kUnavailableIcon for one the shell cannot
// describe. A path on a drive or share that does not answer gets
// kUnavailableIcon without a look at its file; each root is asked once.
// Meant for another thread: a slow drive holds only that thread.
std::vector<int> FindEntryIcons(FileSystem& files, ShellInfo& shell, const std::vector<std::string>& paths);

// Gives each built entry its icon from `icons`, which hold one per entry in
// the order of EntryPaths. Icons that are not one per entry, for lists since
// rebuilt, change nothing.
void SetEntryIcons(PopupMenu& menu, const std::vector<int>& icons);

}  // namespace kelvo
