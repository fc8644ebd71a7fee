#pragma once
#include <string>

#include "platform/ListView.h"
#include "platform/SettingsStore.h"

namespace kelvo {

// Stores the rows of `view` as the list of `section`, all or nothing (see
// CommitList). Keys after the terminator keep whatever they held. False
// when the store or a row could not be read or written: the old list stands.
bool SaveList(SettingsStore& store, const std::string& section, const ListView& view);

bool SaveDesktopChoices(SettingsStore& store, const ListView& listView1);
bool SaveCustomChoices(SettingsStore& store, const ListView& listView2);

}  // namespace kelvo
