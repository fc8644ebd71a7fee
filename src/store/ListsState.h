#pragma once
#include <string>

namespace kelvo {

// What the program knows of the two stored lists between events.
struct ListsState {
    // Entries each list counts: those of the menu, or of the settings
    // window's list while it is being edited.
    int desktopCount = 0;
    int customCount = 0;
    // A list whose view could not be read in full from the store: OK does
    // not save it until a later fill reads it whole.
    bool desktopUnread = false;
    bool customUnread = false;
    // The user's desktop folder as the last scan found it.
    std::string desktopPath;
};

}  // namespace kelvo
