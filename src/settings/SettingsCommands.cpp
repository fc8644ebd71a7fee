#include "settings/SettingsCommands.h"

#include "settings/HelpTexts.h"
#include "store/ChoiceWriter.h"

namespace kelvo {

void CloseHelpPane(DesktopParts& parts, DesktopState& state) {
    if (state.helpShown) parts.settingsWindow.WidenBy(-kHelpPaneTwips);
    state.helpShown = false;
    parts.buttons.help.Enable(true);
}

void ShowHelp(DesktopParts& parts, DesktopState& state) {
    // The About tab shows the custom list's help too.
    parts.helpText.SetText(parts.tabs.Selected() == 0 ? kDesktopHelpText : kCustomHelpText);
    parts.settingsWindow.WidenBy(kHelpPaneTwips);
    parts.buttons.help.Enable(false);
    state.helpShown = true;
}

void WriteChoices(DesktopParts& parts) {
    SaveCustomChoices(parts.store, parts.listView2);
    SaveDesktopChoices(parts.store, parts.listView1);
}

void CancelChoices(DesktopParts& parts, DesktopState& state) {
    CloseHelpPane(parts, state);
    parts.settingsWindow.Hide();
    state.desktopCount = state.desktopMenuCount;
    state.customCount = state.customMenuCount;
}

}  // namespace kelvo
