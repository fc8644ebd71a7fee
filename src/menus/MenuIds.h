#pragma once

namespace kelvo {

// Command ids of the popup's rows. Entry k of a list gets its list's base + k,
// so lists far longer than 32767 entries still get ids of their own.
inline constexpr int kPropertiesId = 1;
inline constexpr int kExitId = 2;
inline constexpr int kColumnBreakId = 999;
inline constexpr int kCustomIdBase = 0x00100000;
inline constexpr int kDesktopIdBase = 0x40000000;
// Rows a column holds before the break.
inline constexpr int kColumnRows = 25;

}  // namespace kelvo
