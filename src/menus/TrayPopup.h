#pragma once
#include "menus/PopupMenu.h"
#include "platform/Controls.h"
#include "platform/Shell.h"

namespace kelvo {

// Breaks the popup's long columns and hands it to the presenter, which keeps
// it for every showing until the lists change again.
void PreparePopup(PopupMenu& menu, PopupPresenter& presenter);

// Shows the popup and returns the chosen id; 0 when dismissed, and when the
// settings window is open, which shows nothing. A menu changed since it was
// last prepared is prepared first.
int ShowTrayPopup(PopupMenu& menu, const Window& settingsWindow, PopupPresenter& presenter);

}  // namespace kelvo
