#pragma once
#include "menus/MenuLevel.h"

namespace kelvo {

// Removes every column break from `tree` and its submenus.
void RemoveColumnBreaks(MenuLevel& tree);

// Starts a second column after row 25 of the top level and of each of its
// submenus that holds more rows than that. One break per level: a level of
// more than 50 rows gets a long second column.
void PlaceColumnBreaks(MenuLevel& tree);

}  // namespace kelvo
