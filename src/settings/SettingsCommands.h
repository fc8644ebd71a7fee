#pragma once
#include <optional>
#include <string>

#include "app/DesktopParts.h"
#include "store/ChoiceWriter.h"

namespace kelvo {

// How far the help pane widens the settings window.
inline constexpr int kHelpPaneTwips = 2800;

// The settings window's buttons that the application acts on.
enum class SettingsCommand {
    OK, Cancel, Exit, Help, LoadDeskTop, StartExplorer,
    DesktopMoveUp, DesktopMoveDown, DesktopRemoveItem,
    CustomMoveUp, CustomMoveDown, CustomRemoveItem,
};

// Narrows the window again when the help pane is open, and enables Help.
void CloseHelpPane(DesktopParts& parts, DesktopState& state);

// Shows the help of the selected tab in a pane beside the tabs.
void ShowHelp(DesktopParts& parts, DesktopState& state);

// Writes both lists from the list views, custom first. A list whose view
// could not be read in full (see DesktopState) is not written.
SavedLists WriteChoices(SettingsStore& store, const ListView& listView1, const ListView& listView2,
                        const DesktopState& state);

// What to tell the user after an OK that did not store every list.
std::optional<std::string> NotSavedMessage(const SavedLists& saved, const DesktopState& state);

// Hides the window without writing; the counters go back to the menu's.
void CancelChoices(DesktopParts& parts, DesktopState& state);

}  // namespace kelvo
