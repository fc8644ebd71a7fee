#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "platform/FolderReader.h"

namespace kelvo {

// Where Explorer's Folder Options keep the user's choices, under
// HKEY_CURRENT_USER.
inline constexpr wchar_t kExplorerAdvancedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

// The value `name` of kExplorerAdvancedKey; nullopt when it is not there or
// not a number.
std::optional<DWORD> ExplorerChoice(const wchar_t* name);

// The user's choices as Explorer's Folder Options wrote them; a choice never
// made reads as Explorer's default, which hides all three.
ExplorerView ReadExplorerView();

// How Explorer shows the extension `extension` (".txt") of a file's name,
// from the file types registered for the user and the machine.
TypeExtension ReadTypeExtension(const std::string& extension);

}  // namespace kelvo
