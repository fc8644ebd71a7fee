#pragma once

namespace kelvo {

// Command ids of the popup's rows. Entry k of a list gets its list's base + k,
// so lists far longer than 32767 entries still get ids of their own.
inline constexpr int kPropertiesId = 1;
inline constexpr int kExitId = 2;
inline constexpr int kColumnBreakId = 999;
// The rows of folders opened while the popup shows take ids of their own,
// counted from these bases for that showing only: "Open" rows below the
// entries' ids, the folders' rows between the two lists' ids.
inline constexpr int kOpenIdBase = 0x00001000;
inline constexpr int kCustomIdBase = 0x00100000;
inline constexpr int kFolderIdBase = 0x20000000;
inline constexpr int kDesktopIdBase = 0x40000000;
// Levels the menu manager nests at most, the popup itself being the first.
inline constexpr int kDeepestLevel = 28;
// Rows a column holds before the break.
inline constexpr int kColumnRows = 25;

}  // namespace kelvo
