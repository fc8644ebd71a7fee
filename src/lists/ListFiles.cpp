#include "lists/ListFiles.h"

#include "lists/FileRows.h"

namespace kelvo {

FileToAdd StoredFile(const ListEntry& entry) {
    return FileToAdd{entry.name, entry.fullPath, entry.name, entry.location};
}

void AddDesktopFile(DesktopParts& parts, const ListEntry& entry) {
    AddFileRow(parts.shell, RowTarget{parts.listView1, parts.imageList1}, StoredFile(entry));
}

void AddCustomFile(DesktopParts& parts, const ListEntry& entry) {
    AddFileRow(parts.shell, RowTarget{parts.listView2, parts.imageList2}, StoredFile(entry));
}

}  // namespace kelvo
