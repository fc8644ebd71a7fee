#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/ListView.h"
#include "platform/SettingsStore.h"

namespace kelvo {

// A list as OK stored it: the values the store now holds for it, or nullopt
// when its save failed and the store keeps the list it had.
using SavedList = std::optional<std::vector<std::string>>;

// What OK stored of each list.
struct SavedLists {
    SavedList custom;
    SavedList desktop;
};

// Stores the rows of `view` as the list of `section`, all or nothing (see
// CommitList). Keys after the terminator keep whatever they held. Nullopt
// when the store or a row could not be read or written: the old list stands.
SavedList SaveList(SettingsStore& store, const std::string& section, const ListView& view);

SavedList SaveDesktopChoices(SettingsStore& store, const ListView& desktopList);
SavedList SaveCustomChoices(SettingsStore& store, const ListView& customList);

}  // namespace kelvo
