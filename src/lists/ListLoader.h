#pragma once
#include "app/DesktopParts.h"

namespace kelvo {

// Fill ListView1 (desktop) or ListView2 (custom), which the caller has
// emptied, with the stored entries whose file still exists, and those whose
// drive or share cannot be reached now, shown as unavailable. The list's
// counter counts every stored entry, the missing ones included, and so the
// unusable ones that the reader passes over (see ChoiceReader). Each drive
// or share is asked about once per fill; the pointer is busy meanwhile.
void LoadDesktopView(DesktopParts& parts, DesktopState& state);
void LoadCustomView(DesktopParts& parts, DesktopState& state);

// Both views afresh from the store, custom first, their image lists reset;
// each drive or share is asked about once for both.
void RefillListViews(DesktopParts& parts, DesktopState& state);

}  // namespace kelvo
