#pragma once
#include "menus/PopupMenu.h"
#include "store/ListEntry.h"

namespace kelvo {

// The entry that the built row with `id` was made from, or nullptr when `id`
// is no built entry's.
const ListEntry* EntryForCommand(const PopupMenu& menu, int id);

}  // namespace kelvo
