#include "app/Application.h"

#include "menus/MenuEntries.h"
#include "menus/MenuIds.h"
#include "menus/TrayPopup.h"
#include "lists/DesktopScan.h"
#include "lists/DroppedFiles.h"
#include "lists/ListLoader.h"
#include "settings/ListEditing.h"
#include "settings/TabChange.h"
#include "store/ListCommit.h"

namespace kelvo {

Application::Application(DesktopParts& parts) : parts_(parts) {}

bool Application::StartUp() {
    parts_.splash.Centre();
    parts_.splash.Show();
    parts_.settingsWindow.Centre();
    parts_.pump.RunPending();  // paints the splash
    // Without a taskbar there is nowhere to live: stop, leaving the splash.
    if (!parts_.taskbar.IsPresent()) return false;
    parts_.taskbar.AddIcon();
    iconPlaced_ = true;
    // A save cut short by a kill is finished before the lists are read.
    FinishInterruptedSaves(parts_.store);
    CreateCustomPopupMenu(popup_, parts_.store, state_);
    CreateDesktopPopupMenu(popup_, parts_.store, state_);
    PreparePopup(popup_, parts_.popup);
    // The list views are not filled here: no one sees them before Properties,
    // which fills them afresh.
    parts_.settingsWindow.Hide();
    EditingButtons& buttons = parts_.buttons;
    for (Button* button : {&buttons.customMoveDown, &buttons.customMoveUp, &buttons.customRemoveItem,
                           &buttons.desktopMoveDown, &buttons.desktopMoveUp, &buttons.desktopRemoveItem}) {
        button->Enable(false);
    }
    parts_.splash.Hide();
    return true;
}

void Application::OnTrayMessage(long mouseCode) {
    // The icon does nothing while the settings are being edited, nor while
    // OK rebuilds the menu that a click would show.
    if (parts_.settingsWindow.IsVisible() || parts_.waitNotice.IsVisible()) return;
    if (mouseCode == kRightButtonUp) {
        if (int id = ShowTrayPopup(popup_, parts_.settingsWindow, parts_.popup)) OnMenuCommand(id);
    } else if (mouseCode == kLeftButtonDown) {
        parts_.launcher.StartExplorer();
    }
}

void Application::OnTaskbarCreated() {
    if (iconPlaced_) parts_.taskbar.AddIcon();
}

void Application::OnMenuCommand(int id) {
    if (id == kPropertiesId) {
        OpenSettings();
    } else if (id == kExitId) {
        Exit();
    } else if (const ListEntry* entry = EntryForCommand(popup_, id)) {
        // The entry the row was built from, not a row of a list view: a view
        // skips missing files, so its row k can hold another entry.
        parts_.launcher.OpenFile(entry->location + entry->name);
    }
}

void Application::OnSettingsCommand(SettingsCommand command) {
    if (EditList(command)) return;
    switch (command) {
        case SettingsCommand::OK: CommitSettings(); break;
        case SettingsCommand::Cancel: CancelChoices(parts_, state_); break;
        case SettingsCommand::Help: ShowHelp(parts_, state_); break;
        case SettingsCommand::LoadDeskTop: LoadDeskTopRows(); break;
        case SettingsCommand::StartExplorer: parts_.launcher.StartExplorer(); break;
        case SettingsCommand::Exit:
            parts_.settingsWindow.Hide();
            Exit();
            break;
        default: break;
    }
}

bool Application::EditList(SettingsCommand command) {
    switch (command) {
        case SettingsCommand::DesktopMoveUp: MoveRowUp(DesktopTab(parts_)); return true;
        case SettingsCommand::DesktopMoveDown: MoveRowDown(DesktopTab(parts_)); return true;
        case SettingsCommand::DesktopRemoveItem:
            if (RemoveSelectedRow(DesktopTab(parts_))) --state_.desktopCount;
            return true;
        case SettingsCommand::CustomMoveUp: MoveRowUp(CustomTab(parts_)); return true;
        case SettingsCommand::CustomMoveDown: MoveRowDown(CustomTab(parts_)); return true;
        case SettingsCommand::CustomRemoveItem:
            if (RemoveSelectedRow(CustomTab(parts_))) --state_.customCount;
            return true;
        default: return false;
    }
}

void Application::OnListSelectionChanged(int list) {
    UpdateEditingButtons(list == 1 ? DesktopTab(parts_) : CustomTab(parts_));
}

void Application::OnTabChange(int newTab) {
    ChangeTab(parts_, state_, newTab);
}

void Application::OnFilesDropped(const std::vector<std::string>& paths) {
    TakeDroppedFiles(parts_, state_, paths);
}

// The buttons follow the new rows, which have no selection yet.
void Application::LoadDeskTopRows() {
    LoadDeskTop(parts_, state_);
    UpdateEditingButtons(DesktopTab(parts_));
}

void Application::CommitSettings() {
    CloseHelpPane(parts_, state_);
    parts_.settingsWindow.Hide();
    parts_.waitNotice.Centre();
    parts_.waitNotice.Show();
    WriteChoices(parts_);
    RebuildPopupMenu(popup_, parts_.store, parts_.pump, state_);
    PreparePopup(popup_, parts_.popup);
    parts_.waitNotice.Hide();
}

void Application::OpenSettings() {
    // Cancel puts the counters back from these copies.
    state_.desktopMenuCount = state_.desktopCount;
    state_.customMenuCount = state_.customCount;
    RefillListViews(parts_, state_);
    UpdateEditingButtons(DesktopTab(parts_));
    UpdateEditingButtons(CustomTab(parts_));
    parts_.settingsWindow.Show();
}

void Application::Exit() {
    parts_.taskbar.RemoveIcon();
    parts_.program.End();
}

}  // namespace kelvo
