#pragma once
#include <string>

#include "platform/SettingsStore.h"
#include "store/ListEntry.h"

namespace kelvo {

// Layout of the stored lists: section "Desktop" or "Custom", keys
// MenuChoice1, MenuChoice2... holding name%location%1, and "Done" after the
// last entry.
inline constexpr char kDesktopSection[] = "Desktop";
inline constexpr char kCustomSection[] = "Custom";
inline constexpr char kDoneValue[] = "Done";

std::string ChoiceKey(int position);
std::string ChoiceValue(const std::string& name, const std::string& location);
// The entry a stored value describes; missing fields read as empty.
ListEntry ParseChoice(const std::string& value);

void SaveChoice(SettingsStore& store, const std::string& section, const std::string& key,
                const std::string& value);
// The stored value, or `fallback` when absent. A value that equals the
// fallback apart from case and surrounding spaces (an absent key included)
// has the fallback written back, so a first read creates the key.
std::string ReadChoice(SettingsStore& store, const std::string& section, const std::string& key,
                       const std::string& fallback);

}  // namespace kelvo
