#pragma once
#include <functional>
#include <string>

#include "menus/MenuLevel.h"
#include "platform/Shell.h"

namespace kelvo {

inline constexpr char kMoreCaption[] = "More";

// Pixels across that a row needs in a column of the shown popup.
using RowWidths = std::function<int(const MenuItem&)>;

// Rows a column holds in `room`: ColumnRows, or as many as fit where the
// screen is shorter, and never fewer than an entry and a "More" row.
int RowsPerColumn(const PopupRoom& room);

// The caption of a group of entries below "More": "first – last".
std::string GroupCaption(const std::string& first, const std::string& last);

// `tree` as it is shown in `room`. Each level is broken into columns of
// RowsPerColumn rows. Where a level would be wider than the room, the built
// entries that do not fit go into a "More" submenu, which takes the place of
// the last entry that would fit; the rows around the entries (separators,
// "DeskTop", "Properties", "Exit") stay. "More" holds the rest as a level of
// its own where they fit one, or else groups of as many entries as fit a
// level, each opening them and captioned with its first and last names
// (both cut short in the middle where the caption would be wider than the
// room), grouped again where the groups do not fit a level either. So every
// level fits the room (unless one name alone, or the fixed rows without
// their separators, are wider), and the levels below "More" grow with the
// logarithm of the entries.
MenuLevel LayOutPopup(const MenuLevel& tree, const PopupRoom& room, const RowWidths& widths);

}  // namespace kelvo
