#include "menus/ColumnBreaks.h"

#include "menus/MenuIds.h"

namespace kelvo {

void RemoveColumnBreaks(MenuLevel& tree) {
    while (tree.RemoveById(kColumnBreakId)) {
    }
}

void PlaceColumnBreaks(MenuLevel& tree) {
    const int rows = tree.Count();
    if (rows > kColumnRows) tree.InsertColumnBreak(kColumnRows, kColumnBreakId);
    for (int pos = 0; pos < tree.Count(); ++pos) {
        MenuLevel* submenu = tree.SubMenu(pos);
        if (submenu && submenu->Count() > kColumnRows) submenu->InsertColumnBreak(kColumnRows, kColumnBreakId);
    }
}

}  // namespace kelvo
