#pragma once

#include "lists/EntryLists.h"
#include "settings/SettingsParts.h"

namespace kelvo {

// One list of the settings window with the three buttons that edit it.
struct EditingTab {
    ListView& view;
    Button& up;
    Button& down;
    Button& remove;
};

EditingTab DesktopTab(const EntryLists& lists, const EditingButtons& buttons);
EditingTab CustomTab(const EntryLists& lists, const EditingButtons& buttons);

// Enables the buttons that make sense for the selected row: Remove for any
// row, Up below the first, Down above the last; none without a selection.
void UpdateEditingButtons(EditingTab tab);

// Move the selected row one place, with its name, location and icon; it
// stays selected and in view. A press without a row to move changes nothing.
void MoveRowUp(EditingTab tab);
void MoveRowDown(EditingTab tab);

// Removes the selected row and disables the three buttons until the next
// selection; false when no row was selected.
bool RemoveSelectedRow(EditingTab tab);

}  // namespace kelvo
