#pragma once
#include "lists/EntryLists.h"
#include "lists/EntrySources.h"
#include "platform/Controls.h"
#include "store/ListsState.h"

namespace kelvo {

// Adds a row to the desktop list for every entry of the desktop folder, in
// the file system's order, subfolders and hidden files included; names are
// shown lower-cased as far as they still name their file, with the desktop
// folder as their location.
void ScanDesktopFolder(const EntrySources& sources, const EntryLists& lists, EventPump& pump, ListsState& state);

// The "Load DeskTop " button: the desktop list becomes the desktop folder's
// entries.
void LoadDeskTop(const EntrySources& sources, const EntryLists& lists, EventPump& pump, ListsState& state);

}  // namespace kelvo
