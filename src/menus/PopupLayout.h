#pragma once
#include <functional>

#include "menus/MenuLevel.h"
#include "platform/Shell.h"

namespace kelvo {

inline constexpr char kMoreCaption[] = "More";

// Pixels across that a row needs in a column of the shown popup.
using RowWidths = std::function<int(const MenuItem&)>;

// Rows a column holds in `room`: ColumnRows, or as many as fit where the
// screen is shorter, and never fewer than an entry and a "More" row.
int RowsPerColumn(const PopupRoom& room);

// `tree` as it is shown in `room`. Each level is broken into columns of
// RowsPerColumn rows. Where a level would be wider than the room, the built
// entries that do not fit go into a "More" submenu, which takes the place of
// the last entry that would fit and is laid out the same way; the rows
// around the entries (separators, "DeskTop", "Properties", "Exit") stay.
// A level nested 28 deep holds all the rest, as the menu manager nests no
// deeper. Only the rows of the columns that are tried get measured.
MenuLevel LayOutPopup(const MenuLevel& tree, const PopupRoom& room, const RowWidths& widths);

}  // namespace kelvo
