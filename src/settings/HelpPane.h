#pragma once
#include "settings/SettingsParts.h"

namespace kelvo {

// How far the help pane widens the settings window.
inline constexpr int kHelpPaneTwips = 2800;

// The pane beside the tabs that the Help button opens, and what it acts on.
struct HelpPane {
    Window& window;
    const TabControl& tabs;
    TextBox& text;
    Button& button;
};

HelpPane HelpPaneOf(const SettingsParts& settings);

// Narrows the window again when the help pane is open, and enables Help.
void CloseHelpPane(const HelpPane& pane, SettingsState& state);

// Shows the help of the selected tab in a pane beside the tabs.
void ShowHelp(const HelpPane& pane, SettingsState& state);

}  // namespace kelvo
