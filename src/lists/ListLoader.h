#pragma once
#include <optional>
#include <string>

#include "lists/EntryLists.h"
#include "lists/EntrySources.h"
#include "store/ChoiceReader.h"
#include "store/ListsState.h"

namespace kelvo {

// What a fill read of one stored list: its counter, and why it could not be
// read in full.
struct ListRead {
    int count = 0;
    std::optional<std::string> failure;
};

// The reason given for a list whose save, cut short, could not be finished.
inline constexpr char kSaveNotFinished[] = "its last save could not be finished: ";

// Fill the desktop or the custom list, which the caller has emptied, with the stored entries whose file still exists, and those whose
// drive or share cannot be reached now, or whose file the system could not
// look at, shown as unavailable. Only a file that its folder says is not
// there is left out. The list's counter counts every stored entry, the
// missing ones included, and so the unusable ones that the reader passes
// over (see ChoiceReader). Each drive or share is asked about once per
// fill; the pointer is busy meanwhile. A store that cannot be read leaves
// the rows read so far and marks the list as not read in full, which OK
// does not save; the reason is returned.
std::optional<std::string> LoadDesktopView(const EntrySources& sources, const EntryLists& lists, ListsState& state);
std::optional<std::string> LoadCustomView(const EntrySources& sources, const EntryLists& lists, ListsState& state);

// Both views afresh from the store, custom first, their image lists reset;
// each drive or share is asked about once for both. A save of a list cut
// short is finished first; when that fails, the list counts as not read in
// full.
ListFailures RefillListViews(const EntrySources& sources, const EntryLists& lists, ListsState& state);

}  // namespace kelvo
