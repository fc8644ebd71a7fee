#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/TrayParts.h"
#include "lists/EntrySources.h"
#include "menus/FolderLevels.h"
#include "menus/MenuLevel.h"
#include "menus/PopupMenu.h"
#include "settings/OptionsTab.h"
#include "settings/SettingsCommands.h"
#include "settings/SettingsParts.h"
#include "store/ListsState.h"

namespace kelvo {

// Mouse codes that the notification-area icon reports in lParam.
inline constexpr long kMouseMove = 0x0200;
inline constexpr long kLeftButtonDown = 0x0201;
inline constexpr long kLeftButtonDoubleClick = 0x0203;
inline constexpr long kRightButtonDown = 0x0204;
inline constexpr long kRightButtonUp = 0x0205;
// Window message under which the shell reports them.
inline constexpr unsigned kTrayCallbackMessage = 0x0601;

// What the program tells when something fails; each text is followed by
// the reason.
inline constexpr char kListsNotLoadedMessage[] = "Your lists could not be loaded in full: ";
inline constexpr char kExplorerNotStartedMessage[] = "Could not start the Explorer: ";
inline std::string ListNotReadMessage(const std::string& list, const std::string& reason) {
    return "Your " + list + " list could not be read in full: " + reason;
}
inline std::string NotReadNotSavedByOkMessage(const std::string& list, const std::string& reason) {
    return "Your " + list + " list could not be read in full, so OK will not save it: " + reason;
}
inline std::string SaveNotFinishedMessage(const std::string& list, const std::string& reason) {
    return "The last save of your " + list + " list could not be finished: " + reason;
}
inline std::string CouldNotOpenMessage(const std::string& path, const std::string& reason) {
    return "Could not open " + path + ": " + reason;
}
inline std::string VerbFailedMessage(const std::string& path, const std::string& reason) {
    return "What you chose for " + path + " did not run: " + reason;
}

// The resident program: its life cycle, the events of its icon and menu,
// and those of the settings window, which it has made when first needed.
class Application {
public:
    Application(const TrayParts& tray, const EntrySources& sources, SettingsWindowMaker& settingsMaker);

    // Runs the start-up sequence; false when the shell has no taskbar yet,
    // and so no icon. The program is resident either way.
    bool StartUp();
    // A mouse action reported for the notification-area icon.
    void OnTrayMessage(long mouseCode);
    // The taskbar was created, at logon or when Explorer restarted: the icon
    // must be placed (again).
    void OnTaskbarCreated();
    // The program was started again while it runs: the icon is put back and
    // the settings window opens, as "Properties" opens it.
    void OnSecondStart();
    // The key that opens the menu was pressed.
    void OnMenuKey();
    // A command chosen from the popup menu.
    void OnMenuCommand(int id);
    // The targets of the entries' paths, followed on another thread for the
    // request `request`: entries that lead to folders become submenus.
    void OnEntriesFollowed(unsigned request, const std::vector<ShortcutTarget>& targets);
    // The icons of the entries, found on another thread for the request
    // `request`, one per entry: the rows show them from the next showing on.
    void OnIconsFound(unsigned request, const std::vector<int>& icons);
    // The menu manager is about to show the submenu of the popup's row with
    // `id`, as level `depth` (the popup itself is 1): a folder's is filled.
    void OnSubmenuOpening(int id, int depth);
    // The popup's row with `id` was highlighted, by the mouse resting on it
    // or by the arrow keys.
    void OnMenuRowHighlighted(int id);
    // The right button was released on the popup's row with `id`: an
    // entry's row, or a row of a folder, shows the Explorer's menu of its
    // file over the popup; any other row is chosen.
    void OnRowRightReleased(int id);
    // A button of the settings window.
    void OnSettingsCommand(SettingsCommand command);
    // The selected row of the desktop list (list 1) or the custom list
    // (list 2) changed.
    void OnListSelectionChanged(int list);
    // The user selected another tab of the settings window.
    void OnTabChange(int newTab);
    // Files dropped onto the settings window, in drop order.
    void OnFilesDropped(const std::vector<std::string>& paths);
    // The settings window moved to a monitor of another scale, and its image
    // lists now take pictures of another size: the rows' pictures are drawn
    // again at that size.
    void OnScaleChanged();

    const ListsState& Lists() const { return lists_; }
    ListsState& Lists() { return lists_; }
    const SettingsState& SettingsWindowState() const { return settingsState_; }
    const MenuLevel& Popup() const { return popup_.tree; }
    // Folders open as submenus: read at start-up, changed by OK.
    bool FolderMenusOn() const { return options_.folderMenus; }
    // The popup's rows show their icons: read at start-up, changed by OK.
    bool MenuIconsOn() const { return options_.menuIcons; }

private:
    std::string LoadLists();
    // Each tells the user when the shell fails, with the system's reason.
    void Open(const std::string& path);
    void StartExplorer();
    void ShowPopup(PopupOpening opening);
    // Runs the verb chosen in the Explorer's menu of `path`, once the popup
    // has closed.
    void RunChosenVerb(const std::string& path);
    // With folders shown as submenus, asks what the entries lead to.
    void FollowEntries();
    // With icons in the menu, asks for the entries' icons.
    void FindIcons();
    // The settings window, made hidden with its editing buttons disabled the
    // first time it is needed.
    SettingsParts& Settings();
    // True while the settings window shows, or its OK rebuilds the menu.
    bool SettingsBusy() const;
    OptionsParts OptionsOf(const SettingsParts& settings) const;
    void OpenSettings();
    void CommitSettings();
    // Up, Down and Remove of either list.
    bool EditList(SettingsCommand command);
    void LoadDeskTopRows();
    void Exit();

    TrayParts tray_;
    EntrySources sources_;
    SettingsWindowMaker& settingsMaker_;
    SettingsParts* settings_ = nullptr;
    // True while the popup shows: what arrives in its menu loop may not show
    // it again.
    bool popupShown_ = false;
    // True while the Explorer's menu of an entry shows over the popup.
    bool shellMenuShown_ = false;
    // The file whose Explorer's menu had a verb chosen while the popup showed.
    std::optional<std::string> verbChosenFor_;
    // A row without the Explorer's menu, chosen with the right button.
    int chosenByRightButton_ = 0;
    ListsState lists_;
    SettingsState settingsState_;
    OptionsState options_;
    PopupMenu popup_;
    FolderLevels folderLevels_;
};

}  // namespace kelvo
