#pragma once

#include "platform/Controls.h"
#include "settings/HelpPane.h"

namespace kelvo {

// Tabs of the settings window, numbered from 0.
inline constexpr int kDesktopTab = 0;
inline constexpr int kCustomTab = 1;
inline constexpr int kAboutTab = 2;
inline constexpr int kOptionsTab = 3;

// The user selected another tab. The list tabs close the help pane; the
// first selection of the custom tab makes the window take dropped files.
void ChangeTab(const HelpPane& pane, DropTarget& dropTarget, SettingsState& state, int newTab);

}  // namespace kelvo
