#include "lists/ListFiles.h"

namespace kelvo {

FileToAdd StoredFile(const ListEntry& entry) {
    return FileToAdd{entry.name, entry.FullPath(), entry.name, entry.location};
}

void AddEntryRow(ShellInfo& shell, RowTarget rows, const ListEntry& entry) {
    AddFileRow(shell, rows, StoredFile(entry));
}

}  // namespace kelvo
