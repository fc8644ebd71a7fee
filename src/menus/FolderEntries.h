#pragma once
#include <string>
#include <vector>

#include "menus/PopupMenu.h"
#include "platform/FolderReader.h"

namespace kelvo {

// The full path of every built entry, the custom list's first: the order in
// which CascadeFolderEntries takes their targets.
std::vector<std::string> EntryPaths(const PopupMenu& menu);

// Makes each entry whose target is a folder or a drive a submenu row that
// lists it, empty until it is opened; the others stay plain rows. Targets
// that are not one per entry, from lists since rebuilt, change nothing.
void CascadeFolderEntries(PopupMenu& menu, const std::vector<ShortcutTarget>& targets);

}  // namespace kelvo
