#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "menus/FolderRows.h"
#include "menus/MenuLevel.h"
#include "menus/MenuPictures.h"
#include "platform/Controls.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "store/ListsState.h"
#include "store/ChoiceReader.h"
#include "store/ChoiceWriter.h"
#include "store/ListEntry.h"

namespace kelvo {

inline constexpr char kDesktopCaption[] = "DeskTop";
inline constexpr char kPropertiesCaption[] = "Properties";
inline constexpr char kExitCaption[] = "Exit";

// The popup menu and the entries its built rows stand for: custom[k-1] is
// the row with id kCustomIdBase + k, desktop[k-1] the one with
// kDesktopIdBase + k.
struct PopupMenu {
    PopupMenu();

    MenuLevel tree;
    std::vector<ListEntry> custom;
    std::vector<ListEntry> desktop;
    // The revision of the menu as last handed to the presenter, and the
    // room it was laid out for.
    std::optional<unsigned> preparedRevision;
    PopupRoom preparedRoom;
    // The entries that open as submenus, by row id: what their folders list.
    std::map<int, FolderRow> folderEntries;
    // Tags the latest request to follow the entries' paths: the answer to
    // an earlier one, for lists since rebuilt, is dropped.
    unsigned followRequest = 0;
    // Tags the latest request to find the entries' icons, alike.
    unsigned iconRequest = 0;
    // The pictures of the rows' icons that the presenter holds.
    HeldPictures pictures;
};

// A thread costs more than it saves for a shorter list: under Wine each one
// keeps about a megabyte of memory after it ends.
inline constexpr int kDesktopEntriesWorthAThread = 100;

// The "DeskTop" submenu of the popup.
MenuLevel& DesktopSubmenu(MenuLevel& tree);

// Builds the entries of the stored custom list at the top of the popup and
// those of the stored desktop list in its "DeskTop" submenu, and sets both
// counters to the numbers built. The menu must hold no built entries. A
// custom name that repeats an earlier one ends the custom build. Unusable
// stored entries (see ChoiceReader) get no row, so no row opens a path
// relative to the current folder. A list whose store cannot be read keeps
// the entries read so far; why is returned. Where the store offers a second
// one and the desktop list holds kDesktopEntriesWorthAThread entries or more,
// it is read through that store on another thread meanwhile.
ListFailures CreatePopupMenus(PopupMenu& menu, SettingsStore& store, ListsState& state);

// After a commit: removes every built entry, lets pending events run and
// builds both lists again as the store now holds them: a saved list from the
// values just stored, which the store would read back alike, and a list
// whose save failed from the store. Why a list could not be read in full is
// returned.
ListFailures RebuildPopupMenu(PopupMenu& menu, SettingsStore& store, const SavedLists& saved, EventPump& pump,
                              ListsState& state);

}  // namespace kelvo
