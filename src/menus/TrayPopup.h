#pragma once
#include "menus/PopupMenu.h"
#include "platform/Controls.h"
#include "platform/Shell.h"

namespace kelvo {

// Lays the popup out for the room where it would open now and hands it to
// the presenter, which keeps it for every showing until the lists or the
// room change. Nothing is done when the presenter holds it so already.
void PreparePopup(PopupMenu& menu, PopupPresenter& presenter);

// Shows the popup and returns the chosen id; 0 when dismissed. A menu
// changed since it was last prepared, or laid out for another room, is
// prepared first.
int ShowTrayPopup(PopupMenu& menu, PopupPresenter& presenter, PopupOpening opening = PopupOpening::Mouse);

}  // namespace kelvo
