#include "settings/HelpPane.h"

#include "settings/HelpTexts.h"

namespace kelvo {

HelpPane HelpPaneOf(const SettingsParts& settings) {
    return HelpPane{settings.window, settings.tabs, settings.helpPane, settings.buttons.help};
}

void CloseHelpPane(const HelpPane& pane, SettingsState& state) {
    if (state.helpShown) pane.window.WidenBy(-kHelpPaneTwips);
    state.helpShown = false;
    pane.button.Enable(true);
}

void ShowHelp(const HelpPane& pane, SettingsState& state) {
    // The About tab shows the custom list's help too.
    pane.text.SetText(pane.tabs.Selected() == 0 ? kDesktopHelpText : kCustomHelpText);
    pane.window.WidenBy(kHelpPaneTwips);
    pane.button.Enable(false);
    state.helpShown = true;
}

}  // namespace kelvo
