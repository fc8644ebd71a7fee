#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "fakes/FakeSettingsStore.h"
#include "menus/MenuLevel.h"
#include "platform/SettingsStore.h"
#include "store/ListEntry.h"

namespace kelvo {

// Stores `entries` as the list of `section`, followed by the terminator.
void SeedList(FakeSettingsStore& store, const std::string& section, const std::vector<ListEntry>& entries);

// A whole stored list, read as the program reads it, and the count of
// entries read.
struct StoredList {
    std::vector<ListEntry> entries;
    int count = 0;
    bool operator==(const StoredList&) const = default;
};
inline void PrintTo(const StoredList& list, std::ostream* out) {
    *out << list.count << " read, " << list.entries.size() << " usable";
}
StoredList ReadList(SettingsStore& store, const std::string& section);

// Entries C:\<folder>\<prefix>1.txt ... <prefix>n.txt.
std::vector<ListEntry> NumberedEntries(int n, const std::string& prefix, const std::string& folder);

// The rows of one menu level as short texts: "-" a separator, "||" a column
// break, "Name>" a submenu, "[Why]" a notice, otherwise the caption.
std::vector<std::string> MenuRows(const MenuLevel& menu);

// The number of rows of each column of `level`, left to right.
std::vector<int> ColumnHeights(const MenuLevel& level);

// The id of every built entry of `level` in the order shown, going down
// into its "More" submenu and every group below it (not into "DeskTop").
std::vector<int> EntryIdsThroughMore(const MenuLevel& level);

}  // namespace kelvo
