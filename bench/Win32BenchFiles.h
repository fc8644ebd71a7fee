#pragma once
// What the Wine timing harnesses share: fixture files and stored lists, an
// owner for popup menus, and timing an action until the window has painted.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/SettingsStore.h"

namespace kelvo {

// A folder of the temp folder holding <name>1<extension> ... <name>n<extension>.
std::string MakeFolder(const std::string& name, const std::string& extension, int n);

// Stores <name>1.txt ... <name>n.txt of `folder` as the list of `section`.
void SeedList(SettingsStore& store, const char* section, const std::string& folder, const std::string& name,
              int n);

// Prints how long `action` and the painting after it took.
void Time(const std::string& what, const std::function<void()>& action);

}  // namespace kelvo
