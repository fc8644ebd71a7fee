#include "settings/SettingsCommands.h"

#include <exception>

#include "app/TextUtils.h"
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

SavedLists WriteChoices(SettingsStore& store, const ListView& listView1, const ListView& listView2,
                        const DesktopState& state) {
    SavedLists saved;
    if (!state.customUnread) saved.custom = Saved([&] { return SaveCustomChoices(store, listView2); });
    if (!state.desktopUnread) saved.desktop = Saved([&] { return SaveDesktopChoices(store, listView1); });
    return saved;
}

namespace {
std::optional<std::string> FailedSaveMessage(bool customSaved, bool desktopSaved) {
    if (customSaved && desktopSaved) return std::nullopt;
    if (customSaved) return "Your desktop list could not be saved; the menu keeps the desktop entries it had.";
    if (desktopSaved) return "Your custom list could not be saved; the menu keeps the custom entries it had.";
    return "Your custom and desktop lists could not be saved; the menu keeps the entries it had.";
}

std::string NotReadNotSaved(const char* list) {
    return std::string("Your ") + list + " list was not saved, as it could not be read in full.";
}
}  // namespace

std::optional<std::string> NotSavedMessage(const SavedLists& saved, const DesktopState& state) {
    std::string message;
    if (state.customUnread) message += NotReadNotSaved("custom");
    if (state.desktopUnread) AppendLine(message, NotReadNotSaved("desktop"));
    // A list not read in full was not tried, and is told of above.
    if (auto failed = FailedSaveMessage(saved.custom || state.customUnread, saved.desktop || state.desktopUnread)) {
        AppendLine(message, *failed);
    }
    if (message.empty()) return std::nullopt;
    return message;
}

void CancelChoices(DesktopParts& parts, DesktopState& state) {
    CloseHelpPane(parts, state);
    parts.settingsWindow.Hide();
    state.desktopCount = state.desktopMenuCount;
    state.customCount = state.customMenuCount;
}

}  // namespace kelvo
