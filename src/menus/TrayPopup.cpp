#include "menus/TrayPopup.h"

#include "menus/ColumnBreaks.h"

namespace kelvo {

int ShowTrayPopup(MenuLevel& tree, const Window& settingsWindow, PopupPresenter& presenter) {
    if (settingsWindow.IsVisible()) return 0;
    // Breaks of an earlier showing go first, so each level gets only one.
    RemoveColumnBreaks(tree);
    PlaceColumnBreaks(tree);
    return presenter.Track(tree);
}

}  // namespace kelvo
