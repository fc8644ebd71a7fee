// Fuzz target: whatever the store holds, reading, listing, building and
// laying out the popup and writing back never crash and keep the lists'
// invariants. Built for libFuzzer, and for the tests with a driver that
// replays the corpus.
//
// Input: byte 0 chooses which paths exist and which roots are unreachable,
// the popup's room, and which stored key, if any, cannot be read; the rest,
// split at '\n', are the stored values of the custom list and then, after a
// line "\x1e", of the desktop list, from MenuChoice1 on. A line "\x7f"
// stores a value that is not text there, a line "\x1d" leaves the key out.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <set>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

#include "text/TextUtils.h"
#include "fakes/FakeDesktop.h"
#include "fakes/TestData.h"
#include "lists/FileRows.h"
#include "lists/ListLoader.h"
#include "lists/ReachableRoots.h"
#include "menus/MenuEntries.h"
#include "menus/MenuIds.h"
#include "menus/PopupLayout.h"
#include "menus/PopupMenu.h"
#include "settings/SettingsCommands.h"
#include "store/ChoiceReader.h"
#include "store/ChoiceWriter.h"
#include "store/Choices.h"
#include "store/SplitFields.h"

namespace kelvo {
namespace {

#define FUZZ_CHECK(condition)                                                        \
    do {                                                                             \
        if (!(condition)) {                                                          \
            std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                            \
        }                                                                            \
    } while (false)

constexpr std::string_view kNextSection = "\x1e";
constexpr std::string_view kNotText = "\x7f";
constexpr std::string_view kLeftOut = "\x1d";

// One stored value as the input gives it; nullopt: the key is left out.
using Slot = std::optional<StoredValue>;

struct StoredLists {
    std::vector<Slot> custom;
    std::vector<Slot> desktop;
    unsigned seed = 0;
};

StoredLists ParseInput(const std::uint8_t* data, std::size_t size) {
    StoredLists lists;
    if (size == 0) return lists;
    lists.seed = data[0];
    std::vector<Slot>* section = &lists.custom;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    for (const std::string& line : SplitFields(text, "\n")) {
        if (line == kNextSection) {
            section = &lists.desktop;
        } else if (line == kNotText) {
            section->push_back(StoredValue::Unreadable());
        } else if (line == kLeftOut) {
            section->push_back(std::nullopt);
        } else {
            section->push_back(StoredValue::Text(line));
        }
    }
    return lists;
}

void Seed(FakeSettingsStore& store, const std::string& section, const std::vector<Slot>& slots) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (!slots[i]) continue;
        const std::string key = ChoiceKey(static_cast<int>(i) + 1);
        if (slots[i]->kind == StoredValue::Kind::Text) {
            store.Seed(section, key, slots[i]->text);
        } else {
            store.SeedUnreadable(section, key);
        }
    }
}

// The number of entries before the terminator: the exact text "Done" or the
// first key left out.
int EntriesBeforeEnd(const std::vector<Slot>& slots) {
    int count = 0;
    for (const Slot& slot : slots) {
        if (!slot || *slot == StoredValue::Text(kDoneValue)) break;
        ++count;
    }
    return count;
}

std::string Joined(const std::vector<std::string>& fields, const std::string& separator) {
    std::string text = fields.front();
    for (std::size_t i = 1; i < fields.size(); ++i) text += separator + fields[i];
    return text;
}

bool Chosen(unsigned seed, const std::string& text, unsigned salt) {
    return ((std::hash<std::string>{}(text) ^ seed * 0x9E3779B9u ^ salt) & 3u) == 0;
}

// Reads a list, checking each usable entry; a written entry reads back as it was.
StoredList CheckedRead(SettingsStore& store, const std::string& section, const std::vector<Slot>& slots) {
    const StoredList list = ReadList(store, section);
    FUZZ_CHECK(list.count == EntriesBeforeEnd(slots));
    FUZZ_CHECK(list.entries.size() <= static_cast<std::size_t>(list.count));
    for (const ListEntry& entry : list.entries) {
        FUZZ_CHECK(IsAbsoluteLocation(entry.location));
        FUZZ_CHECK(ParseChoice(ChoiceValue(entry.name, entry.location)) == entry);
    }
    return list;
}

// Windows allows none of these in a file name.
bool NameCanExist(const std::string& name) {
    return name.find_first_of("<>:\"/\\|?*") == std::string::npos;
}

// Some files exist, some roots are away, chosen by the seed; the shell knows
// the files that exist, as documents, programs or shortcuts.
void FurnishFiles(FakeListParts& desktop, unsigned seed, const std::vector<ListEntry>& entries) {
    static const char* const kTypes[] = {"Text Document", "Application", "Shortcut", "File Folder"};
    for (const ListEntry& entry : entries) {
        const std::string root = PathRoot(entry.FullPath());
        if (!root.empty() && Chosen(seed, AsciiLowerCase(root), 1)) desktop.files.unreachableRoots.insert(root);
        if (NameCanExist(entry.name) && !Chosen(seed, entry.FullPath(), 2)) {
            desktop.files.Add(entry.FullPath());
            const auto kind = std::hash<std::string>{}(entry.FullPath());
            desktop.shell.Add(entry.FullPath(), FakeFileFacts{kTypes[kind % 4], static_cast<int>(kind % 7),
                                                            static_cast<std::int32_t>(kind % 3) << 16});
        }
    }
}

bool RootAway(const FakeListParts& desktop, const std::string& path) {
    const std::string root = AsciiLowerCase(PathRoot(path));
    for (const std::string& away : desktop.files.unreachableRoots) {
        if (AsciiLowerCase(away) == root) return true;
    }
    return false;
}

// Rows are the stored entries that exist or whose root is away, in order,
// the latter shown as unavailable; every row's picture is in its image list.
void CheckRows(const FakeListParts& desktop, const FakeListView& view, const FakeImageList& images,
               const std::vector<ListEntry>& entries) {
    std::size_t row = 0;
    for (const ListEntry& entry : entries) {
        const bool away = RootAway(desktop, entry.FullPath());
        if (!away && desktop.files.paths.count(entry.FullPath()) == 0) continue;
        FUZZ_CHECK(row < view.rows.size());
        const ListRow& shown = view.rows[row++];
        FUZZ_CHECK(shown.subItem + shown.text == entry.FullPath());
        FUZZ_CHECK(shown.text == entry.name);
        FUZZ_CHECK((shown.iconKey == kUnavailableIconKey) == away);
        FUZZ_CHECK(shown.iconKey.empty() || images.Contains(shown.iconKey));
    }
    FUZZ_CHECK(row == view.rows.size());
}

std::set<std::string> RootsOf(const std::vector<ListEntry>& entries) {
    std::set<std::string> roots;
    for (const ListEntry& entry : entries) {
        const std::string root = AsciiLowerCase(PathRoot(entry.FullPath()));
        if (!root.empty()) roots.insert(root);
    }
    return roots;
}

// The popup built by start-up, which reads the desktop list on a second
// thread where the store offers a store of its own for it.
PopupMenu BuiltPopup(FakeSettingsStore& store, bool sideBySide, ListsState& state) {
    store.offersOtherThread = sideBySide;
    PopupMenu menu;
    CreatePopupMenus(menu, store, state);
    return menu;
}

bool IsBuiltEntry(const MenuItem& row) {
    return row.kind == MenuItemKind::Command && row.id > kCustomIdBase;
}

// Every built entry's command id, at any depth of `level`.
void CollectEntryIds(const MenuLevel& level, std::multiset<int>& ids) {
    for (int pos = 0; pos < level.Count(); ++pos) {
        const MenuItem& row = level.At(pos);
        if (IsBuiltEntry(row)) ids.insert(row.id);
        if (const MenuLevel* submenu = level.SubMenu(pos)) CollectEntryIds(*submenu, ids);
    }
}

// The room and the rows' widths of one showing, chosen by the seed: from
// columns of two rows (an entry and "More") up to more rows than a column
// takes, and from the narrowest room that holds the top level's fixed rows
// and "More" without their separators (159 pixels in two columns) on.
PopupRoom RoomOf(unsigned seed) {
    return PopupRoom{2 + static_cast<int>(seed % 29), 160 + static_cast<int>(seed % 7) * 250, 96};
}
int RowWidth(const MenuItem& row) {
    return 20 + 7 * static_cast<int>(std::min<std::size_t>(row.text.size(), 60));
}

// Each level's columns hold no more rows than the room has, and stand side
// by side within its width, unless the level is one column with an entry
// that alone is wider; no level is nested deeper than the menu manager takes.
void CheckLevelInRoom(const MenuLevel& level, const PopupRoom& room, int depth) {
    constexpr int kDeepestSubmenu = 28;
    FUZZ_CHECK(depth <= kDeepestSubmenu);
    int rows = 0;
    int column = 0;
    int used = 0;
    int columns = 1;
    int widestEntry = 0;
    for (int pos = 0; pos < level.Count(); ++pos) {
        const MenuItem& row = level.At(pos);
        if (row.kind == MenuItemKind::ColumnBreak) {
            used += column;
            column = 0;
            rows = 0;
            ++columns;
            continue;
        }
        FUZZ_CHECK(++rows <= RowsPerColumn(room));
        column = std::max(column, RowWidth(row));
        if (IsBuiltEntry(row)) widestEntry = std::max(widestEntry, RowWidth(row));
        if (const MenuLevel* submenu = level.SubMenu(pos)) CheckLevelInRoom(*submenu, room, depth + 1);
    }
    FUZZ_CHECK(used + column <= room.width || (columns == 1 && widestEntry > room.width));
}

void CheckLayout(const PopupMenu& menu, unsigned seed) {
    const PopupRoom room = RoomOf(seed);
    const MenuLevel shown = LayOutPopup(menu.tree, room, RowWidth);
    std::multiset<int> before;
    std::multiset<int> after;
    CollectEntryIds(menu.tree, before);
    CollectEntryIds(shown, after);
    FUZZ_CHECK(before == after);
    FUZZ_CHECK(std::set<int>(after.begin(), after.end()).size() == after.size());
    CheckLevelInRoom(shown, room, 0);
}

void CheckPopup(FakeSettingsStore& store, const StoredList& custom, const StoredList& desk, unsigned seed) {
    ListsState state;
    PopupMenu menu = BuiltPopup(store, true, state);
    ListsState inTurnState;
    const PopupMenu inTurn = BuiltPopup(store, false, inTurnState);
    FUZZ_CHECK(menu.custom == inTurn.custom && menu.desktop == inTurn.desktop);
    FUZZ_CHECK(state.customCount == inTurnState.customCount && state.desktopCount == inTurnState.desktopCount);
    std::set<std::string> names;
    std::size_t built = 0;
    while (built < custom.entries.size() && names.insert(custom.entries[built].name).second) ++built;
    FUZZ_CHECK(menu.custom.size() == built);
    FUZZ_CHECK(state.customCount == static_cast<int>(built));
    FUZZ_CHECK(menu.desktop == desk.entries);
    FUZZ_CHECK(state.desktopCount == static_cast<int>(desk.entries.size()));
    FUZZ_CHECK(menu.tree.Count() == static_cast<int>(built) + 5);
    FUZZ_CHECK(DesktopSubmenu(menu.tree).Count() == static_cast<int>(desk.entries.size()) + 1);
    for (std::size_t k = 1; k <= built; ++k) {
        const ListEntry* entry = EntryForCommand(menu, kCustomIdBase + static_cast<int>(k));
        FUZZ_CHECK(entry != nullptr && *entry == custom.entries[k - 1]);
        FUZZ_CHECK(menu.tree.At(static_cast<int>(k)).text == entry->name);
    }
    CheckLayout(menu, seed);
}

// OK stores the rows; reading back gives exactly the rows.
void CheckWrittenBack(FakeListParts& desktop, const std::string& section, const FakeListView& view) {
    FUZZ_CHECK(SaveList(desktop.store, section, view));
    const StoredList back = ReadList(desktop.store, section);
    FUZZ_CHECK(back.count == view.Count());
    FUZZ_CHECK(back.entries.size() == view.rows.size());
    for (std::size_t k = 0; k < view.rows.size(); ++k) {
        FUZZ_CHECK(back.entries[k] == MakeEntry(view.rows[k].text, view.rows[k].subItem));
    }
}

// The stored key that cannot be read, when the seed picks one: a key of
// the first few of either list.
std::optional<std::pair<std::string, std::string>> FailingKey(unsigned seed) {
    if (seed % 5 != 0) return std::nullopt;
    return std::pair{std::string(seed & 8 ? kDesktopSection : kCustomSection), ChoiceKey(1 + static_cast<int>(seed / 16 % 4))};
}

// Every key of a section with its text, as the store holds them.
std::vector<std::pair<std::string, std::optional<std::string>>> Snapshot(const FakeSettingsStore& store,
                                                                         const std::string& section) {
    std::vector<std::pair<std::string, std::optional<std::string>>> held;
    for (const std::string& key : store.Keys(section)) held.emplace_back(key, store.Value(section, key));
    return held;
}

// Properties and OK over a store where one key cannot be read: the list that
// could not be read in full is never written.
void CheckUnreadListIsNotWritten(const StoredLists& lists, const std::pair<std::string, std::string>& failing) {
    FakeListParts desktop;
    Seed(desktop.store, kCustomSection, lists.custom);
    Seed(desktop.store, kDesktopSection, lists.desktop);
    desktop.store.failsReads = [&failing](const std::string& section, const std::string& key) {
        return section == failing.first && key == failing.second;
    };
    ListsState state;
    const ListFailures failures = RefillListViews(desktop.sources, desktop.lists, state);
    FUZZ_CHECK(state.customUnread == failures.custom.has_value());
    FUZZ_CHECK(state.desktopUnread == failures.desktop.has_value());
    for (const auto& [section, unread] : {std::pair{kCustomSection, state.customUnread},
                                          std::pair{kDesktopSection, state.desktopUnread}}) {
        if (!unread) continue;
        const auto before = Snapshot(desktop.store, section);
        WriteChoices(desktop.store, desktop.desktopList, desktop.customList, state);
        FUZZ_CHECK(Snapshot(desktop.store, section) == before);
    }
}

void Run(const StoredLists& lists) {
    FakeListParts desktop;
    for (const std::vector<Slot>* slots : {&lists.custom, &lists.desktop}) {
        for (const Slot& slot : *slots) {
            if (slot && slot->kind == StoredValue::Kind::Text) {
                FUZZ_CHECK(Joined(SplitFields(slot->text, "%"), "%") == slot->text);
            }
        }
    }
    Seed(desktop.store, kCustomSection, lists.custom);
    Seed(desktop.store, kDesktopSection, lists.desktop);

    const StoredList custom = CheckedRead(desktop.store, kCustomSection, lists.custom);
    const StoredList desk = CheckedRead(desktop.store, kDesktopSection, lists.desktop);
    // A second read finds the same: reading writes nothing but a missing terminator.
    FUZZ_CHECK(ReadList(desktop.store, kCustomSection) == custom);
    FUZZ_CHECK(ReadList(desktop.store, kDesktopSection) == desk);
    CheckPopup(desktop.store, custom, desk, lists.seed);

    std::vector<ListEntry> all = custom.entries;
    all.insert(all.end(), desk.entries.begin(), desk.entries.end());
    FurnishFiles(desktop, lists.seed, all);
    ListsState state;
    RefillListViews(desktop.sources, desktop.lists, state);
    FUZZ_CHECK(state.customCount == custom.count);
    FUZZ_CHECK(state.desktopCount == desk.count);
    FUZZ_CHECK(!desktop.pointer.busy);
    FUZZ_CHECK(desktop.files.rootQueries == static_cast<int>(RootsOf(all).size()));
    CheckRows(desktop, desktop.customList, desktop.customImages, custom.entries);
    CheckRows(desktop, desktop.desktopList, desktop.desktopImages, desk.entries);

    CheckWrittenBack(desktop, kCustomSection, desktop.customList);
    CheckWrittenBack(desktop, kDesktopSection, desktop.desktopList);
    if (const auto failing = FailingKey(lists.seed)) CheckUnreadListIsNotWritten(lists, *failing);
}

}  // namespace
}  // namespace kelvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kelvo::Run(kelvo::ParseInput(data, size));
    return 0;
}
