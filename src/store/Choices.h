#pragma once
#include <optional>
#include <string>
#include <string_view>

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
// True when `location` starts with a drive ("X:\") or a network prefix
// ("\\"): only such a location names a file without a current folder.
bool IsAbsoluteLocation(std::string_view location);
// The entry a stored value describes; missing fields read as empty. A "%"
// in the name or the location is kept: the location is the absolute folder
// that ends the value before its final "%1".
ListEntry ParseChoice(const std::string& value);

void SaveChoice(SettingsStore& store, const std::string& section, const std::string& key,
                const std::string& value);
// The stored text, or `fallback` when the key is absent; nullopt when the
// key holds a value that is not text. Only an absent key is written: it gets
// the fallback, so a first read creates it. That write may fail, since the
// read stands without it. A store that cannot be read throws, and nothing
// is written.
std::optional<std::string> ReadChoice(SettingsStore& store, const std::string& section,
                                      const std::string& key, const std::string& fallback);

}  // namespace kelvo
