#pragma once
#include "app/DesktopParts.h"

namespace kelvo {

// Fill ListView1 (desktop) or ListView2 (custom), which the caller has
// emptied, with the stored entries whose file still exists. The list's
// counter counts every stored entry, the missing ones included, and so the
// unusable ones that the reader passes over (see ChoiceReader).
void LoadDesktopView(DesktopParts& parts, DesktopState& state);
void LoadCustomView(DesktopParts& parts, DesktopState& state);

// Both views afresh from the store, custom first, their image lists reset.
void RefillListViews(DesktopParts& parts, DesktopState& state);

}  // namespace kelvo
