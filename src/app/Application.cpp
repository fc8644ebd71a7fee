#include "app/Application.h"

#include <exception>
#include <optional>
#include <utility>

#include "lists/BusyWhile.h"
#include "lists/DesktopScan.h"
#include "lists/DroppedFiles.h"
#include "lists/FileRows.h"
#include "lists/ListLoader.h"
#include "menus/EntryShellMenu.h"
#include "menus/EntryIcons.h"
#include "menus/FolderEntries.h"
#include "menus/MenuEntries.h"
#include "menus/MenuIds.h"
#include "menus/TrayPopup.h"
#include "settings/HelpPane.h"
#include "settings/ListEditing.h"
#include "settings/TabChange.h"
#include "store/ListCommit.h"
#include "store/StoredOptions.h"
#include "text/TextUtils.h"

namespace kelvo {

Application::Application(const TrayParts& tray, const EntrySources& sources, SettingsWindowMaker& settingsMaker)
    : tray_(tray), sources_(sources), settingsMaker_(settingsMaker), folderLevels_(tray.folderReader, tray.files) {}

namespace {
using Say = std::string (*)(const std::string& list, const std::string& reason);

// One line per list that failed, said with `say`.
void AddLines(std::string& text, const ListFailures& failures, Say say) {
    for (const auto& [list, failure] : {std::pair{"custom", &failures.custom}, std::pair{"desktop", &failures.desktop}}) {
        if (*failure) AppendLine(text, say(list, **failure));
    }
}

// Raises a flag for as long as it lives, even when what it guards throws.
class RaisedWhile {
public:
    explicit RaisedWhile(bool& flag) : flag_(flag) { flag_ = true; }
    ~RaisedWhile() { flag_ = false; }
    RaisedWhile(const RaisedWhile&) = delete;
    RaisedWhile& operator=(const RaisedWhile&) = delete;

private:
    bool& flag_;
};

void DisableEditing(const EditingButtons& buttons) {
    for (Button* button : {&buttons.customMoveDown, &buttons.customMoveUp, &buttons.customRemoveItem,
                           &buttons.desktopMoveDown, &buttons.desktopMoveUp, &buttons.desktopRemoveItem}) {
        button->Enable(false);
    }
}
}  // namespace

bool Application::StartUp() {
    tray_.splash.Centre();
    tray_.splash.Show();
    tray_.pump.RunPending();  // paints the splash
    // Without a taskbar yet (at logon, before the shell) the program starts
    // all the same; the icon follows when the taskbar is created.
    const bool taskbar = tray_.taskbar.IsPresent();
    if (taskbar) tray_.taskbar.AddIcon();
    // Read before the lists: the menu made of them follows it.
    options_.folderMenus = ReadFolderMenus(sources_.store);
    options_.menuIcons = ReadMenuIcons(sources_.store);
    std::string failures = LoadLists();
    if (auto taken = RegisterStoredMenuKey(tray_.menuKey, sources_.store, options_)) AppendLine(failures, *taken);
    tray_.splash.Hide();
    FollowEntries();
    FindIcons();
    // Told once the splash, which stays on top, is gone.
    if (!failures.empty()) tray_.messages.Inform(failures);
    return taskbar;
}

// The menu from the store. A list that could not be read keeps the entries
// read of it; what failed is returned, one line per failure, for the user.
std::string Application::LoadLists() {
    std::string failures;
    try {
        // A save cut short by a kill is finished before the lists are read.
        AddLines(failures, FinishInterruptedSaves(sources_.store), SaveNotFinishedMessage);
        AddLines(failures, CreatePopupMenus(popup_, sources_.store, lists_), ListNotReadMessage);
        PreparePopup(popup_, tray_.popup);
    } catch (const std::exception& error) {
        AppendLine(failures, kListsNotLoadedMessage + std::string(error.what()));
    }
    return failures;
}

SettingsParts& Application::Settings() {
    if (settings_ == nullptr) {
        SettingsParts& made = settingsMaker_.Make();
        made.window.Centre();
        DisableEditing(made.buttons);
        settings_ = &made;
    }
    return *settings_;
}

bool Application::SettingsBusy() const {
    return settings_ != nullptr && (settings_->window.IsVisible() || settings_->waitNotice.IsVisible());
}

OptionsParts Application::OptionsOf(const SettingsParts& settings) const {
    return OptionsParts{settings.options, tray_.signInStart, tray_.menuKey};
}

void Application::OnTrayMessage(long mouseCode) {
    if (mouseCode == kRightButtonUp) {
        ShowPopup(PopupOpening::Mouse);
    } else if (mouseCode == kLeftButtonDown && !SettingsBusy()) {
        StartExplorer();
    }
}

void Application::OnMenuKey() {
    ShowPopup(PopupOpening::Keyboard);
}

// Nothing shows while the settings are being edited, nor while OK rebuilds
// the menu. The key or a click that arrives while the popup shows leaves it
// as it is: showing it again would lay out, and free, the menus on screen.
void Application::ShowPopup(PopupOpening opening) {
    if (SettingsBusy() || popupShown_) return;
    folderLevels_.Forget();
    int id = 0;
    {
        const RaisedWhile shown(popupShown_);
        id = ShowTrayPopup(popup_, tray_.popup, opening);
    }
    if (id == 0) id = std::exchange(chosenByRightButton_, 0);
    // A row of a folder stands for its path only while the popup shows.
    const std::string* inFolder = folderLevels_.PathOf(id);
    const std::optional<std::string> path = inFolder ? std::optional(*inFolder) : std::nullopt;
    folderLevels_.Forget();
    if (verbChosenFor_) {
        RunChosenVerb(*std::exchange(verbChosenFor_, std::nullopt));
    } else if (path) {
        Open(*path);
    } else if (id) {
        OnMenuCommand(id);
    }
}

// Looking at the entries' files could hold the program on a slow drive, so
// another thread does it once the menu is built, and the entries stay plain
// rows until the answer comes.
void Application::FollowEntries() {
    if (!options_.folderMenus || (popup_.custom.empty() && popup_.desktop.empty())) return;
    tray_.follower.FollowLater(++popup_.followRequest, EntryPaths(popup_));
}

void Application::OnEntriesFollowed(unsigned request, const std::vector<ShortcutTarget>& targets) {
    if (request != popup_.followRequest || !options_.folderMenus) return;
    CascadeFolderEntries(popup_, targets);
    // Prepared now, while the user waits for nothing; a popup on screen is
    // prepared again at its next showing.
    if (!popupShown_) PreparePopup(popup_, tray_.popup);
}

// The shell is asked for icons on another thread: a file on a slow drive
// would hold the program, and the menu shows without them meanwhile.
void Application::FindIcons() {
    ++popup_.iconRequest;  // an answer still on its way is for lists since rebuilt
    if (!options_.menuIcons || (popup_.custom.empty() && popup_.desktop.empty())) return;
    tray_.icons.FindLater(popup_.iconRequest, EntryPaths(popup_));
}

void Application::OnIconsFound(unsigned request, const std::vector<int>& icons) {
    if (request != popup_.iconRequest || !options_.menuIcons) return;
    SetEntryIcons(popup_, icons);
    if (!popupShown_) PreparePopup(popup_, tray_.popup);
}

void Application::OnSubmenuOpening(int id, int depth) {
    if (!popupShown_) return;
    const PopupRoom room = tray_.popup.Room();
    const auto widths = [this](const MenuItem& row) { return tray_.popup.RowWidth(row); };
    IconFinder* icons = options_.menuIcons ? &tray_.icons : nullptr;
    if (auto level = folderLevels_.Open(popup_, id, depth, room, widths, icons)) {
        AddPictures(popup_.pictures, tray_.popup, *level);
        tray_.popup.FillFolder(id, *level);
    }
}

void Application::OnTaskbarCreated() {
    tray_.taskbar.AddIcon();
}

void Application::OnSecondStart() {
    tray_.taskbar.AddIcon();
    if (!SettingsBusy()) OpenSettings();
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

// Making the settings window takes longer than filling and showing it: it is
// made, hidden, while the pointer is on its way to the click on Properties.
void Application::OnMenuRowHighlighted(int id) {
    if (id == kPropertiesId) Settings();
}

// The shell's menu shows over the popup, whose menu loop still runs: a verb
// chosen in it closes the popup first and runs after. A row without such a
// menu is chosen, as the left button chooses it.
void Application::OnRowRightReleased(int id) {
    if (!popupShown_ || shellMenuShown_) return;
    const std::optional<std::string> path = ShellItemOfRow(popup_, folderLevels_, id);
    if (!path) {
        chosenByRightButton_ = id;
        tray_.popup.Close();
        return;
    }
    const RaisedWhile shown(shellMenuShown_);
    if (const std::string why = WhyNoShellMenu(tray_.files, folderLevels_.Roots(), *path); !why.empty()) {
        tray_.shellMenus.ShowNotice(why);
        return;
    }
    const ShellMenuOutcome outcome = tray_.shellMenus.ShowFor(*path);
    if (outcome.end == ShellMenuEnd::NotShown) {
        tray_.shellMenus.ShowNotice(outcome.reason);
    } else if (outcome.end == ShellMenuEnd::VerbChosen) {
        verbChosenFor_ = *path;
        tray_.popup.Close();
    }
}

void Application::RunChosenVerb(const std::string& path) {
    if (auto reason = tray_.shellMenus.RunChosen()) tray_.messages.Inform(VerbFailedMessage(path, *reason));
}

void Application::Open(const std::string& path) {
    if (auto reason = tray_.launcher.OpenFile(path)) tray_.messages.Inform(CouldNotOpenMessage(path, *reason));
}

void Application::StartExplorer() {
    if (auto reason = tray_.launcher.StartExplorer()) tray_.messages.Inform(kExplorerNotStartedMessage + *reason);
}

void Application::OnSettingsCommand(SettingsCommand command) {
    if (EditList(command)) return;
    switch (command) {
        case SettingsCommand::OK: CommitSettings(); break;
        case SettingsCommand::Cancel: CancelChoices(HelpPaneOf(Settings()), settingsState_, lists_); break;
        case SettingsCommand::Help: ShowHelp(HelpPaneOf(Settings()), settingsState_); break;
        case SettingsCommand::LoadDeskTop: LoadDeskTopRows(); break;
        case SettingsCommand::StartExplorer: StartExplorer(); break;
        case SettingsCommand::Exit:
            Settings().window.Hide();
            Exit();
            break;
        default: break;
    }
}

bool Application::EditList(SettingsCommand command) {
    const SettingsParts& settings = Settings();
    const EditingTab desktop = DesktopTab(settings.lists, settings.buttons);
    const EditingTab custom = CustomTab(settings.lists, settings.buttons);
    switch (command) {
        case SettingsCommand::DesktopMoveUp: MoveRowUp(desktop); return true;
        case SettingsCommand::DesktopMoveDown: MoveRowDown(desktop); return true;
        case SettingsCommand::DesktopRemoveItem:
            if (RemoveSelectedRow(desktop)) --lists_.desktopCount;
            return true;
        case SettingsCommand::CustomMoveUp: MoveRowUp(custom); return true;
        case SettingsCommand::CustomMoveDown: MoveRowDown(custom); return true;
        case SettingsCommand::CustomRemoveItem:
            if (RemoveSelectedRow(custom)) --lists_.customCount;
            return true;
        default: return false;
    }
}

void Application::OnListSelectionChanged(int list) {
    const SettingsParts& settings = Settings();
    UpdateEditingButtons(list == 1 ? DesktopTab(settings.lists, settings.buttons)
                                   : CustomTab(settings.lists, settings.buttons));
}

void Application::OnTabChange(int newTab) {
    SettingsParts& settings = Settings();
    ChangeTab(HelpPaneOf(settings), settings.dropTarget, settingsState_, newTab);
}

// A drop before the custom tab was first selected adds nothing.
void Application::OnFilesDropped(const std::vector<std::string>& paths) {
    if (!settingsState_.takingDrops) return;
    TakeDroppedFiles(sources_, Settings().lists, tray_.messages, lists_.customCount, paths);
}

void Application::OnScaleChanged() {
    const EntryLists& lists = Settings().lists;
    BusyWhile busy(lists.pointer);
    RedrawRowPictures(sources_.shell, lists.desktop);
    RedrawRowPictures(sources_.shell, lists.custom);
}

// The buttons follow the new rows, which have no selection yet. The rows
// replace the whole desktop list, so OK may save it even when it could not
// be read in full.
void Application::LoadDeskTopRows() {
    const SettingsParts& settings = Settings();
    LoadDeskTop(sources_, settings.lists, tray_.pump, lists_);
    lists_.desktopUnread = false;
    UpdateEditingButtons(DesktopTab(settings.lists, settings.buttons));
}

void Application::CommitSettings() {
    SettingsParts& settings = Settings();
    CloseHelpPane(HelpPaneOf(settings), settingsState_);
    settings.window.Hide();
    settings.waitNotice.Centre();
    settings.waitNotice.Show();
    const SavedLists saved =
        WriteChoices(sources_.store, settings.lists.desktop.view, settings.lists.custom.view, lists_);
    // From the store, which holds each list as saved or, when its save
    // failed, as it was.
    ListFailures unread;
    try {
        unread = RebuildPopupMenu(popup_, sources_.store, saved, tray_.pump, lists_);
        PreparePopup(popup_, tray_.popup);
    } catch (const std::exception&) {
        settings.waitNotice.Hide();  // the icon answers again
        throw;
    }
    settings.waitNotice.Hide();
    std::string message = NotSavedMessage(saved, lists_).value_or("");
    AddLines(message, unread, ListNotReadMessage);
    const bool onOptionsTab = settings.tabs.Selected() == kOptionsTab;
    const std::string options = CommitOptions(OptionsOf(settings), sources_.store, options_, onOptionsTab);
    if (!options.empty()) AppendLine(message, options);
    FollowEntries();
    FindIcons();
    if (!message.empty()) tray_.messages.Inform(message);
}

void Application::OpenSettings() {
    SettingsParts& settings = Settings();
    // Cancel puts the counters back from these copies.
    settingsState_.desktopMenuCount = lists_.desktopCount;
    settingsState_.customMenuCount = lists_.customCount;
    const ListFailures unread = RefillListViews(sources_, settings.lists, lists_);
    UpdateEditingButtons(DesktopTab(settings.lists, settings.buttons));
    UpdateEditingButtons(CustomTab(settings.lists, settings.buttons));
    FillOptionsTab(OptionsOf(settings), sources_.store, options_);
    settings.window.Show();
    std::string message;
    AddLines(message, unread, NotReadNotSavedByOkMessage);
    if (!message.empty()) tray_.messages.Inform(message);
}

void Application::Exit() {
    ReleaseMenuKey(tray_.menuKey, options_);
    tray_.taskbar.RemoveIcon();
    tray_.program.End();
}

}  // namespace kelvo
