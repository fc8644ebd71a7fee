#include "menus/TrayPopup.h"

#include "menus/ColumnBreaks.h"

namespace kelvo {
namespace {

// Changes of the two levels the popup has.
unsigned Revision(PopupMenu& menu) {
    return menu.tree.Revision() + DesktopSubmenu(menu.tree).Revision();
}

}  // namespace

void PreparePopup(PopupMenu& menu, PopupPresenter& presenter) {
    // Breaks of an earlier preparation go first, so each level gets only one.
    RemoveColumnBreaks(menu.tree);
    PlaceColumnBreaks(menu.tree);
    presenter.Prepare(menu.tree);
    menu.preparedRevision = Revision(menu);
}

int ShowTrayPopup(PopupMenu& menu, const Window& settingsWindow, PopupPresenter& presenter) {
    if (settingsWindow.IsVisible()) return 0;
    if (menu.preparedRevision != Revision(menu)) PreparePopup(menu, presenter);
    return presenter.Track();
}

}  // namespace kelvo
