#include "settings/ListEditing.h"

namespace kelvo {
namespace {

// The selected row, or 0 when none is, or the selection is not a row of the
// list as it stands now.
int LiveSelection(const ListView& view) {
    const int selected = view.Selected();
    return selected >= 1 && selected <= view.Count() ? selected : 0;
}

// Moves row `from` to the place of its neighbour `to` by re-creating the
// neighbour on the other side and removing it; `from` stays selected.
void SwapWithNeighbour(ListView& view, int from, int to) {
    const ListRow neighbour = view.Row(to);
    view.Insert(to < from ? from + 1 : from, neighbour);
    view.Remove(to < from ? to : to + 1);
    view.Select(to);
}

}  // namespace

EditingTab DesktopTab(const EntryLists& lists, const EditingButtons& buttons) {
    return EditingTab{lists.desktop.view, buttons.desktopMoveUp, buttons.desktopMoveDown, buttons.desktopRemoveItem};
}

EditingTab CustomTab(const EntryLists& lists, const EditingButtons& buttons) {
    return EditingTab{lists.custom.view, buttons.customMoveUp, buttons.customMoveDown, buttons.customRemoveItem};
}

void UpdateEditingButtons(EditingTab tab) {
    const int selected = LiveSelection(tab.view);
    tab.remove.Enable(selected > 0);
    tab.up.Enable(selected > 1);
    tab.down.Enable(selected > 0 && selected < tab.view.Count());
}

void MoveRowUp(EditingTab tab) {
    const int selected = LiveSelection(tab.view);
    if (selected > 1) SwapWithNeighbour(tab.view, selected, selected - 1);
    UpdateEditingButtons(tab);
}

void MoveRowDown(EditingTab tab) {
    const int selected = LiveSelection(tab.view);
    if (selected > 0 && selected < tab.view.Count()) SwapWithNeighbour(tab.view, selected, selected + 1);
    UpdateEditingButtons(tab);
}

bool RemoveSelectedRow(EditingTab tab) {
    const int selected = LiveSelection(tab.view);
    if (selected > 0) tab.view.Remove(selected);
    for (Button* button : {&tab.down, &tab.up, &tab.remove}) button->Enable(false);
    return selected > 0;
}

}  // namespace kelvo
