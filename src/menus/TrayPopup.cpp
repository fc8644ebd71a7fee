#include "menus/TrayPopup.h"

#include "menus/PopupLayout.h"

namespace kelvo {
namespace {

// Changes of the two levels the popup has.
unsigned Revision(PopupMenu& menu) {
    return menu.tree.Revision() + DesktopSubmenu(menu.tree).Revision();
}

// What of a room the layout depends on: a taller screen than a column
// needs lays the popup out alike.
PopupRoom LaidOutRoom(const PopupRoom& room) {
    return PopupRoom{RowsPerColumn(room), room.width, room.dpi, room.rowMetrics};
}

void PrepareFor(PopupMenu& menu, PopupPresenter& presenter, const PopupRoom& room) {
    const MenuLevel laidOut = LayOutPopup(menu.tree, room, [&presenter](const MenuItem& row) {
        return presenter.RowWidth(row);
    });
    HoldPictures(menu.pictures, presenter, laidOut, room.dpi);
    presenter.Prepare(laidOut);
    menu.preparedRevision = Revision(menu);
    menu.preparedRoom = LaidOutRoom(room);
}

// Prepares the menu unless the presenter holds it as it is now, laid out
// for a room alike.
void PrepareUnlessCurrent(PopupMenu& menu, PopupPresenter& presenter) {
    const PopupRoom room = presenter.Room();
    if (menu.preparedRevision != Revision(menu) || menu.preparedRoom != LaidOutRoom(room)) {
        PrepareFor(menu, presenter, room);
    }
}

}  // namespace

void PreparePopup(PopupMenu& menu, PopupPresenter& presenter) {
    PrepareUnlessCurrent(menu, presenter);
}

int ShowTrayPopup(PopupMenu& menu, PopupPresenter& presenter, PopupOpening opening) {
    PrepareUnlessCurrent(menu, presenter);
    return presenter.Track(opening);
}

}  // namespace kelvo
