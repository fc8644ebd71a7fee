#pragma once
#include <string>
#include <vector>

#include "lists/EntryLists.h"
#include "lists/EntrySources.h"
#include "platform/Controls.h"
#include "store/ListEntry.h"

namespace kelvo {

// Shown for each dropped file whose name the custom list already holds.
inline constexpr char kAlreadyOnListMessage[] = "This item already on the list";
// Shown, followed by the path, for a dropped drive: it has no name to list.
inline constexpr char kDriveRefusedMessage[] =
    "Only files and folders can go on the list, not a whole drive: ";

// A dropped path as a list entry: the name is what follows the last
// backslash, the location what comes before it, backslash included.
ListEntry DroppedEntry(const std::string& path);

// The files of one drop join the custom list in drop order, each with its
// icon, and are counted in `customCount`. A name that the list holds
// already, or that an earlier file of the same drop brought, is refused
// with a message, as is a drive; a path that no longer exists is skipped.
void TakeDroppedFiles(const EntrySources& sources, const EntryLists& lists, MessageBoxes& messages,
                      int& customCount, const std::vector<std::string>& paths);

}  // namespace kelvo
