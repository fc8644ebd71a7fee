#pragma once
#include <optional>
#include <string>

#include "platform/Options.h"
#include "platform/SettingsStore.h"

namespace kelvo {

// The section of the options, beside the lists' sections.
inline constexpr char kOptionsSection[] = "Options";
// The key that opens the menu, as HotKeyText writes it; empty for none.
inline constexpr char kMenuKeyName[] = "MenuKey";
// Whether folders open as submenus: "1" or "0".
inline constexpr char kFolderMenusName[] = "FolderMenus";
// Whether the popup's rows show their icons: "1" or "0".
inline constexpr char kMenuIconsName[] = "MenuIcons";

// The key as the user reads it, "Ctrl+Alt+K"; the store holds this text.
std::string HotKeyText(const HotKey& key);
// The key of a text that HotKeyText gives; nullopt for any other text.
std::optional<HotKey> ParseHotKey(const std::string& text);

// The stored key; nullopt when it is missing, not text, not a key, a key
// with neither Ctrl nor Alt, or the store cannot be read. Nothing is written.
std::optional<HotKey> ReadMenuKey(SettingsStore& store);
// Throws when the store refuses.
void WriteMenuKey(SettingsStore& store, const std::optional<HotKey>& key);

// True unless the store holds "0": folders open as submenus until the user
// turns them off, also when the value is missing or cannot be read.
bool ReadFolderMenus(SettingsStore& store);
// Throws when the store refuses.
void WriteFolderMenus(SettingsStore& store, bool on);

// True unless the store holds "0", as ReadFolderMenus.
bool ReadMenuIcons(SettingsStore& store);
// Throws when the store refuses.
void WriteMenuIcons(SettingsStore& store, bool on);

}  // namespace kelvo
