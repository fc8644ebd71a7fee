#include "settings/SettingsCommands.h"

#include <exception>

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

namespace {
// A save that throws failed as one that returns nullopt does.
template <class Save>
SavedList Saved(Save save) {
    try {
        return save();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}
}  // namespace

SavedLists WriteChoices(DesktopParts& parts) {
    SavedLists saved;
    saved.custom = Saved([&] { return SaveCustomChoices(parts.store, parts.listView2); });
    saved.desktop = Saved([&] { return SaveDesktopChoices(parts.store, parts.listView1); });
    return saved;
}

std::optional<std::string> NotSavedMessage(const SavedLists& saved) {
    if (saved.custom && saved.desktop) return std::nullopt;
    if (saved.custom) return "Your desktop list could not be saved; the menu keeps the desktop entries it had.";
    if (saved.desktop) return "Your custom list could not be saved; the menu keeps the custom entries it had.";
    return "Your custom and desktop lists could not be saved; the menu keeps the entries it had.";
}

void CancelChoices(DesktopParts& parts, DesktopState& state) {
    CloseHelpPane(parts, state);
    parts.settingsWindow.Hide();
    state.desktopCount = state.desktopMenuCount;
    state.customCount = state.customMenuCount;
}

}  // namespace kelvo
