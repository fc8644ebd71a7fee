#pragma once
#include "menus/MenuLevel.h"
#include "platform/Controls.h"
#include "platform/Shell.h"

namespace kelvo {

// Shows the popup with its long columns broken and returns the chosen id;
// 0 when dismissed, and when the settings window is open, which shows
// nothing.
int ShowTrayPopup(MenuLevel& tree, const Window& settingsWindow, PopupPresenter& presenter);

}  // namespace kelvo
