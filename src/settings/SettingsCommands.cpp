#include "settings/SettingsCommands.h"

#include <exception>

#include "text/TextUtils.h"
#include "store/ChoiceWriter.h"

namespace kelvo {

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

SavedLists WriteChoices(SettingsStore& store, const ListView& desktopList, const ListView& customList,
                        const ListsState& state) {
    SavedLists saved;
    if (!state.customUnread) saved.custom = Saved([&] { return SaveCustomChoices(store, customList); });
    if (!state.desktopUnread) saved.desktop = Saved([&] { return SaveDesktopChoices(store, desktopList); });
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

std::optional<std::string> NotSavedMessage(const SavedLists& saved, const ListsState& state) {
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

void CancelChoices(const HelpPane& pane, SettingsState& settings, ListsState& lists) {
    CloseHelpPane(pane, settings);
    pane.window.Hide();
    lists.desktopCount = settings.desktopMenuCount;
    lists.customCount = settings.customMenuCount;
}

}  // namespace kelvo
