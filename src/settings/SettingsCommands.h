#pragma once
#include <optional>
#include <string>

#include "platform/ListView.h"
#include "platform/SettingsStore.h"
#include "settings/HelpPane.h"
#include "store/ChoiceWriter.h"
#include "store/ListsState.h"

namespace kelvo {

// The settings window's buttons that the application acts on.
enum class SettingsCommand {
    OK, Cancel, Exit, Help, LoadDeskTop, StartExplorer,
    DesktopMoveUp, DesktopMoveDown, DesktopRemoveItem,
    CustomMoveUp, CustomMoveDown, CustomRemoveItem,
};

// Writes both lists from the list views, custom first. A list whose view
// could not be read in full (see ListsState) is not written.
SavedLists WriteChoices(SettingsStore& store, const ListView& desktopList, const ListView& customList,
                        const ListsState& state);

// What to tell the user after an OK that did not store every list.
std::optional<std::string> NotSavedMessage(const SavedLists& saved, const ListsState& state);

// Hides the window without writing; the counters go back to the menu's.
void CancelChoices(const HelpPane& pane, SettingsState& settings, ListsState& lists);

}  // namespace kelvo
