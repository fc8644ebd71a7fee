#pragma once
#include "app/DesktopParts.h"
#include "lists/FileRows.h"
#include "store/ListEntry.h"

namespace kelvo {

// A stored or dropped entry as a row to add: its name as stored.
FileToAdd StoredFile(const ListEntry& entry);

// Add one file as the last row of the desktop (ListView1) or custom
// (ListView2) list.
void AddDesktopFile(DesktopParts& parts, const ListEntry& entry);
void AddCustomFile(DesktopParts& parts, const ListEntry& entry);

}  // namespace kelvo
