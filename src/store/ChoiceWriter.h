#pragma once
#include <string>

#include "platform/ListView.h"
#include "platform/SettingsStore.h"

namespace kelvo {

// Writes the rows of `view` as the stored list of `section`, then the
// terminator. Keys after the terminator keep whatever they held.
void SaveList(SettingsStore& store, const std::string& section, const ListView& view);

void SaveDesktopChoices(SettingsStore& store, const ListView& listView1);
void SaveCustomChoices(SettingsStore& store, const ListView& listView2);

}  // namespace kelvo
