#pragma once
#include "lists/FileRows.h"
#include "platform/ShellInfo.h"
#include "store/ListEntry.h"

namespace kelvo {

// A stored or dropped entry as a row to add: its name as stored.
FileToAdd StoredFile(const ListEntry& entry);

// Adds the entry's file as the last row of `rows`, with its icon.
void AddEntryRow(ShellInfo& shell, RowTarget rows, const ListEntry& entry);

}  // namespace kelvo
