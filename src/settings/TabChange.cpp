#include "settings/TabChange.h"

#include "settings/SettingsCommands.h"

namespace kelvo {

void ChangeTab(DesktopParts& parts, DesktopState& state, int newTab) {
    if (newTab == kCustomTab && !state.takingDrops) {
        parts.dropTarget.AcceptDrops();
        state.takingDrops = true;
    }
    if (newTab == kDesktopTab || newTab == kCustomTab) CloseHelpPane(parts, state);
}

}  // namespace kelvo
