#include "app/Application.h"

#include <exception>
#include <utility>

#include "app/TextUtils.h"
#include "menus/MenuEntries.h"
#include "menus/MenuIds.h"
#include "menus/TrayPopup.h"
#include "lists/BusyWhile.h"
#include "lists/DesktopScan.h"
#include "lists/DroppedFiles.h"
#include "lists/FileRows.h"
#include "lists/ListLoader.h"
#include "settings/ListEditing.h"
#include "settings/OptionsTab.h"
#include "settings/TabChange.h"
#include "store/ListCommit.h"

namespace kelvo {

Application::Application(DesktopParts& parts) : parts_(parts) {}

namespace {
using Say = std::string (*)(const std::string& list, const std::string& reason);

// One line per list that failed, said with `say`.
void AddLines(std::string& text, const ListFailures& failures, Say say) {
    for (const auto& [list, failure] : {std::pair{"custom", &failures.custom}, std::pair{"desktop", &failures.desktop}}) {
        if (*failure) AppendLine(text, say(list, **failure));
    }
}
}  // namespace

bool Application::StartUp() {
    parts_.splash.Centre();
    parts_.splash.Show();
    parts_.settingsWindow.Centre();
    parts_.pump.RunPending();  // paints the splash
    // Without a taskbar yet (at logon, before the shell) the program starts
    // all the same; the icon follows when the taskbar is created.
    const bool taskbar = parts_.taskbar.IsPresent();
    if (taskbar) parts_.taskbar.AddIcon();
    std::string failures = LoadLists();
    if (auto taken = RegisterStoredMenuKey(parts_.options, parts_.store, state_.options))
        AppendLine(failures, *taken);
    parts_.settingsWindow.Hide();
    EditingButtons& buttons = parts_.buttons;
    for (Button* button : {&buttons.customMoveDown, &buttons.customMoveUp, &buttons.customRemoveItem,
                           &buttons.desktopMoveDown, &buttons.desktopMoveUp, &buttons.desktopRemoveItem}) {
        button->Enable(false);
    }
    parts_.splash.Hide();
    // Told once the splash, which stays on top, is gone.
    if (!failures.empty()) parts_.messages.Inform(failures);
    return taskbar;
}

// The menu from the store. A list that could not be read keeps the entries
// read of it; what failed is returned, one line per failure, for the user.
std::string Application::LoadLists() {
    std::string failures;
    try {
        // A save cut short by a kill is finished before the lists are read.
        AddLines(failures, FinishInterruptedSaves(parts_.store), SaveNotFinishedMessage);
        AddLines(failures, CreatePopupMenus(popup_, parts_.store, state_), ListNotReadMessage);
        PreparePopup(popup_, parts_.popup);
        // The list views are not filled here: no one sees them before
        // Properties, which fills them afresh.
    } catch (const std::exception& error) {
        failures = kListsNotLoadedMessage + std::string(error.what());
    }
    return failures;
}

void Application::OnTrayMessage(long mouseCode) {
    if (mouseCode == kRightButtonUp) {
        ShowPopup(PopupOpening::Mouse);
    } else if (mouseCode == kLeftButtonDown && !parts_.settingsWindow.IsVisible() && !parts_.waitNotice.IsVisible()) {
        StartExplorer();
    }
}

void Application::OnMenuKey() {
    ShowPopup(PopupOpening::Keyboard);
}

// Nothing shows while the settings are being edited, nor while OK rebuilds
// the menu.
void Application::ShowPopup(PopupOpening opening) {
    if (parts_.settingsWindow.IsVisible() || parts_.waitNotice.IsVisible()) return;
    if (int id = ShowTrayPopup(popup_, parts_.settingsWindow, parts_.popup, opening)) OnMenuCommand(id);
}

void Application::OnTaskbarCreated() {
    parts_.taskbar.AddIcon();
}

void Application::OnSecondStart() {
    parts_.taskbar.AddIcon();
    if (!parts_.settingsWindow.IsVisible() && !parts_.waitNotice.IsVisible()) OpenSettings();
}

void Application::OnMenuCommand(int id) {
    if (id == kPropertiesId) {
        OpenSettings();
    } else if (id == kExitId) {
        Exit();
    } else if (const ListEntry* entry = EntryForCommand(popup_, id)) {
        // The entry the row was built from, not a row of a list view: a view
        // skips missing files, so its row k can hold another entry.
        Open(entry->location + entry->name);
    }
}

void Application::Open(const std::string& path) {
    if (auto reason = parts_.launcher.OpenFile(path)) parts_.messages.Inform(CouldNotOpenMessage(path, *reason));
}

void Application::StartExplorer() {
    if (auto reason = parts_.launcher.StartExplorer()) parts_.messages.Inform(kExplorerNotStartedMessage + *reason);
}

void Application::OnSettingsCommand(SettingsCommand command) {
    if (EditList(command)) return;
    switch (command) {
        case SettingsCommand::OK: CommitSettings(); break;
        case SettingsCommand::Cancel: CancelChoices(parts_, state_); break;
        case SettingsCommand::Help: ShowHelp(parts_, state_); break;
        case SettingsCommand::LoadDeskTop: LoadDeskTopRows(); break;
        case SettingsCommand::StartExplorer: StartExplorer(); break;
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

void Application::OnScaleChanged() {
    BusyWhile busy(parts_.pointer);
    RedrawRowPictures(parts_.shell, RowTarget{parts_.listView1, parts_.imageList1});
    RedrawRowPictures(parts_.shell, RowTarget{parts_.listView2, parts_.imageList2});
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
    const SavedLists saved = WriteChoices(parts_.store, parts_.listView1, parts_.listView2, state_);
    // From the store, which holds each list as saved or, when its save
    // failed, as it was.
    ListFailures unread;
    try {
        unread = RebuildPopupMenu(popup_, parts_.store, saved, parts_.pump, state_);
        PreparePopup(popup_, parts_.popup);
    } catch (const std::exception&) {
        parts_.waitNotice.Hide();  // the icon answers again
        throw;
    }
    parts_.waitNotice.Hide();
    std::string message = NotSavedMessage(saved, state_).value_or("");
    AddLines(message, unread, ListNotReadMessage);
    const std::string options = CommitOptions(parts_.options, parts_.store, state_.options);
    if (!options.empty()) AppendLine(message, options);
    if (!message.empty()) parts_.messages.Inform(message);
}

void Application::OpenSettings() {
    // Cancel puts the counters back from these copies.
    state_.desktopMenuCount = state_.desktopCount;
    state_.customMenuCount = state_.customCount;
    const ListFailures unread = RefillListViews(parts_, state_);
    UpdateEditingButtons(DesktopTab(parts_));
    UpdateEditingButtons(CustomTab(parts_));
    FillOptionsTab(parts_.options, parts_.store, state_.options);
    parts_.settingsWindow.Show();
    std::string message;
    AddLines(message, unread, NotReadNotSavedByOkMessage);
    if (!message.empty()) parts_.messages.Inform(message);
}

void Application::Exit() {
    ReleaseMenuKey(parts_.options, state_.options);
    parts_.taskbar.RemoveIcon();
    parts_.program.End();
}

}  // namespace kelvo
