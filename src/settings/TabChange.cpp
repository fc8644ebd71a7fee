#include "settings/TabChange.h"


namespace kelvo {

void ChangeTab(const HelpPane& pane, DropTarget& dropTarget, SettingsState& state, int newTab) {
    if (newTab == kCustomTab && !state.takingDrops) {
        dropTarget.AcceptDrops();
        state.takingDrops = true;
    }
    if (newTab == kDesktopTab || newTab == kCustomTab) CloseHelpPane(pane, state);
}

}  // namespace kelvo
