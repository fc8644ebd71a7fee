#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/FakeControls.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/FakeShell.h"
#include "fakes/TestData.h"
#include "menus/MenuIds.h"
#include "menus/PopupLayout.h"
#include "menus/PopupMenu.h"
#include "menus/TrayPopup.h"
#include "store/Choices.h"

namespace kelvo {
namespace {

using Rows = std::vector<std::string>;

class PopupMenuTest : public ::testing::Test {
protected:
    void Build() {
        CreatePopupMenus(menu, store, state);
    }
    void BuildWith(int customEntries, int desktopEntries) {
        SeedList(store, kCustomSection, NumberedEntries(customEntries, "c", "Custom"));
        SeedList(store, kDesktopSection, NumberedEntries(desktopEntries, "d", "Desk"));
        Build();
    }
    Rows Top() const { return MenuRows(menu.tree); }
    Rows Desk() { return MenuRows(DesktopSubmenu(menu.tree)); }
    int Show() { return ShowTrayPopup(menu, presenter); }

    FakeSettingsStore store;
    ListsState state;
    PopupMenu menu;
    FakePopupPresenter presenter;
};

TEST_F(PopupMenuTest, EmptyListsGiveOnlyTheFixedRows) {
    Build();
    EXPECT_EQ(Top(), (Rows{"-", "-", "DeskTop>", "Properties", "Exit"}));
    EXPECT_EQ(Desk(), (Rows{"-"}));
    EXPECT_EQ(menu.tree.At(3).id, kPropertiesId);
    EXPECT_EQ(menu.tree.At(4).id, kExitId);
    EXPECT_EQ(state.customCount, 0);
    EXPECT_EQ(state.desktopCount, 0);
    EXPECT_EQ(store.Value("Custom", "MenuChoice1"), "Done");
    EXPECT_EQ(store.Value("Desktop", "MenuChoice1"), "Done");
}

TEST_F(PopupMenuTest, EntriesTakeTheirStoredPositionsAndIds) {
    BuildWith(2, 3);
    EXPECT_EQ(Top(), (Rows{"-", "c1.txt", "c2.txt", "-", "DeskTop>", "Properties", "Exit"}));
    EXPECT_EQ(Desk(), (Rows{"-", "d1.txt", "d2.txt", "d3.txt"}));
    EXPECT_EQ(menu.tree.At(2).id, kCustomIdBase + 2);
    EXPECT_EQ(DesktopSubmenu(menu.tree).At(3).id, kDesktopIdBase + 3);
    EXPECT_EQ(state.customCount, 2);
    EXPECT_EQ(state.desktopCount, 3);
    EXPECT_EQ(menu.desktop[2], MakeEntry("d3.txt", "C:\\Desk\\"));
}

// Reading a long desktop list on another thread, where the store offers a
// second one, builds what reading the lists one after the other builds, and
// a list that cannot be read is still the one named. A short list, or one
// whose length cannot be read, is read in turn.
TEST_F(PopupMenuTest, ListsReadSideBySideBuildWhatReadingInTurnBuilds) {
    constexpr int kLong = kDesktopEntriesWorthAThread + 4;
    struct Case {
        const char* failingSection;  // nullptr: every read succeeds
        int failingPosition;
        int desktopStored;
        int customRows;
        int desktopRows;
        bool readAside;  // offered a second store, the desktop list is read through it
    };
    const Case cases[] = {{nullptr, 0, kLong, 4, kLong, true},
                          {nullptr, 0, 4, 4, 4, false},
                          {nullptr, 0, kDesktopEntriesWorthAThread - 1, 4, kDesktopEntriesWorthAThread - 1, false},
                          {kCustomSection, 1, kLong, 0, kLong, true},
                          {kCustomSection, 3, kLong, 2, kLong, true},
                          {kDesktopSection, 1, kLong, 4, 0, true},
                          {kDesktopSection, kLong, kLong, 4, kLong - 1, true},
                          {kDesktopSection, kLong + 1, kLong, 4, kLong, true},
                          {nullptr, 0, kDesktopEntriesWorthAThread, 4, kDesktopEntriesWorthAThread, true},
                          {kDesktopSection, kDesktopEntriesWorthAThread + 1, kLong, 4, kDesktopEntriesWorthAThread,
                           false}};
    for (const Case& c : cases) {
        for (bool sideBySide : {false, true}) {
            SCOPED_TRACE(std::string(c.failingSection ? c.failingSection : "none") + " " +
                         std::to_string(c.failingPosition) + " of " + std::to_string(c.desktopStored) +
                         (sideBySide ? " side by side" : " in turn"));
            menu = PopupMenu();
            store = FakeSettingsStore();
            store.offersOtherThread = sideBySide;
            SeedList(store, kCustomSection, NumberedEntries(4, "c", "Custom"));
            SeedList(store, kDesktopSection, NumberedEntries(c.desktopStored, "d", "Desk"));
            if (c.failingSection != nullptr) {
                store.failsReads = [&c](const std::string& section, const std::string& key) {
                    return section == c.failingSection && key == ChoiceKey(c.failingPosition);
                };
            }
            const ListFailures failures = CreatePopupMenus(menu, store, state);
            EXPECT_EQ(store.otherThreadOpenings, c.readAside ? 1 : 0);
            EXPECT_EQ(state.customCount, c.customRows);
            EXPECT_EQ(state.desktopCount, c.desktopRows);
            EXPECT_EQ(Desk().size(), static_cast<std::size_t>(c.desktopRows) + 1);
            EXPECT_EQ(Desk().back(), c.desktopRows > 0 ? "d" + std::to_string(c.desktopRows) + ".txt" : "-");
            const bool customFailed = c.failingSection == kCustomSection;
            EXPECT_EQ(failures.custom.has_value(), customFailed);
            EXPECT_EQ(failures.desktop.has_value(), c.failingSection != nullptr && !customFailed);
        }
    }
}

TEST_F(PopupMenuTest, CaptionsAreTheStoredNamesUnescaped) {
    store.Seed("Custom", "MenuChoice1", "Tom & Jerry.avi%C:\\%1");
    store.Seed("Custom", "MenuChoice2", "Done");
    Build();
    EXPECT_EQ(menu.tree.At(1).text, "Tom & Jerry.avi");
}

TEST_F(PopupMenuTest, RepeatedCustomNameEndsTheCustomBuild) {
    SeedList(store, kCustomSection,
             {MakeEntry("a", "C:\\1\\"), MakeEntry("b", "C:\\"), MakeEntry("a", "C:\\2\\"), MakeEntry("c", "C:\\")});
    SeedList(store, kDesktopSection, {MakeEntry("a", "C:\\"), MakeEntry("a", "D:\\")});
    Build();
    EXPECT_EQ(Top(), (Rows{"-", "a", "b", "-", "DeskTop>", "Properties", "Exit"}));
    EXPECT_EQ(state.customCount, 2);
    // The comparison is exact, and the desktop list has no such rule.
    EXPECT_EQ(Desk(), (Rows{"-", "a", "a"}));
}

TEST_F(PopupMenuTest, RepeatedNameComparesWithCase) {
    SeedList(store, kCustomSection, {MakeEntry("a", "C:\\"), MakeEntry("A", "C:\\")});
    Build();
    EXPECT_EQ(state.customCount, 2);
}

TEST_F(PopupMenuTest, TopLevelBreaksAfterRowTwentyFiveCountingFixedRows) {
    struct Case {
        int customEntries;
        int rows;
        bool broken;
    };
    for (const Case& c : {Case{20, 25, false}, Case{21, 26, true}, Case{22, 27, true}}) {
        menu = PopupMenu();
        store = FakeSettingsStore();
        BuildWith(c.customEntries, 0);
        ASSERT_EQ(menu.tree.Count(), c.rows);
        Show();
        const MenuLevel& shown = presenter.shown.back();
        EXPECT_EQ(shown.Count(), c.rows + (c.broken ? 1 : 0)) << c.customEntries;
        EXPECT_EQ(shown.PositionOf(kColumnBreakId), c.broken ? kColumnRows : -1) << c.customEntries;
    }
}

TEST_F(PopupMenuTest, BreakIsFollowedByRowTwentySix) {
    BuildWith(21, 0);  // 26 rows
    Show();
    const MenuLevel& shown = presenter.shown.back();
    EXPECT_EQ(shown.At(24).text, "Properties");
    EXPECT_EQ(shown.At(25).kind, MenuItemKind::ColumnBreak);
    EXPECT_EQ(shown.At(25).id, kColumnBreakId);
    EXPECT_EQ(shown.At(25).text, "");
    EXPECT_EQ(shown.At(26).text, "Exit");
}

TEST_F(PopupMenuTest, SubmenuBreaksAfterRowTwentyFive) {
    struct Case {
        int desktopEntries;
        bool broken;
    };
    for (const Case& c : {Case{24, false}, Case{25, true}}) {
        menu = PopupMenu();
        store = FakeSettingsStore();
        BuildWith(0, c.desktopEntries);
        Show();
        const MenuLevel* desk = presenter.shown.back().SubMenu(2);
        ASSERT_NE(desk, nullptr);
        EXPECT_EQ(desk->PositionOf(kColumnBreakId), c.broken ? kColumnRows : -1) << c.desktopEntries;
    }
}

TEST_F(PopupMenuTest, LongSubmenuIsBrokenToo) {
    BuildWith(0, 30);
    Show();
    const MenuLevel* desk = presenter.shown.back().SubMenu(2);
    ASSERT_NE(desk, nullptr);
    EXPECT_EQ(desk->Count(), 32);
    EXPECT_EQ(desk->PositionOf(kColumnBreakId), kColumnRows);
    EXPECT_EQ(desk->At(26).text, "d25.txt");
    EXPECT_EQ(presenter.shown.back().PositionOf(kColumnBreakId), -1);
}

// The column breaks of `level` are the program's break items.
void ExpectBreakItems(const MenuLevel& level) {
    for (int pos = 0; pos < level.Count(); ++pos) {
        if (level.At(pos).kind != MenuItemKind::ColumnBreak) continue;
        EXPECT_EQ(level.At(pos).id, kColumnBreakId);
        EXPECT_EQ(level.At(pos).text, "");
    }
}

TEST_F(PopupMenuTest, EveryColumnHoldsAtMostTwentyFiveRowsOrWhatTheScreenHolds) {
    struct Case {
        const char* what;
        int customEntries, desktopEntries, rowsHigh;
        bool topLevel;
        std::vector<int> columns;
    };
    const std::vector<int> forty(40, 25);
    const Case cases[] = {
        {"25 rows", 0, 24, 50, false, {25}},
        {"26 rows", 0, 25, 50, false, {25, 1}},
        {"50 rows", 0, 49, 50, false, {25, 25}},
        {"51 rows", 0, 50, 50, false, {25, 25, 1}},
        {"90 rows", 0, 89, 50, false, {25, 25, 25, 15}},
        {"1,000 rows", 0, 999, 50, false, forty},
        {"top level counts its fixed rows", 46, 0, 50, true, {25, 25, 1}},
        {"a screen of 10 rows", 0, 25, 10, false, {10, 10, 6}},
        {"a screen of 10 rows, top level", 3, 0, 10, true, {8}},
        {"a screen too short for two rows", 0, 2, 1, false, {2, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        menu = PopupMenu();
        store = FakeSettingsStore();
        presenter.room.rowsHigh = c.rowsHigh;
        BuildWith(c.customEntries, c.desktopEntries);
        Show();
        MenuLevel& top = presenter.shown.back();
        const MenuLevel& level = c.topLevel ? top : DesktopSubmenu(top);
        EXPECT_EQ(ColumnHeights(level), c.columns);
        ExpectBreakItems(level);
    }
}

// Pixels across that `level` takes: its columns side by side, each as wide
// as its widest row.
int LevelWidth(const MenuLevel& level, PopupPresenter& presenter) {
    int width = 0;
    int column = 0;
    for (int pos = 0; pos < level.Count(); ++pos) {
        if (level.At(pos).kind == MenuItemKind::ColumnBreak) {
            width += column;
            column = 0;
        } else {
            column = std::max(column, presenter.RowWidth(level.At(pos)));
        }
    }
    return width + column;
}

void CollectMisfits(const MenuLevel& level, const std::string& path, bool belowMore, const PopupRoom& room,
                    PopupPresenter& presenter, std::vector<std::string>& misfits) {
    const std::vector<int> heights = ColumnHeights(level);
    const int tallest = *std::max_element(heights.begin(), heights.end());
    const int width = LevelWidth(level, presenter);
    if (tallest > RowsPerColumn(room) || width > room.width) {
        misfits.push_back(path + ": " + std::to_string(width) + " pixels, a column of " + std::to_string(tallest));
    }
    for (int pos = 0; pos < level.Count(); ++pos) {
        const MenuItem& row = level.At(pos);
        if (row.kind == MenuItemKind::Submenu && (belowMore || row.text == kMoreCaption)) {
            CollectMisfits(*row.submenu, path + " > " + row.text, true, room, presenter, misfits);
        }
    }
}

// `level` and every level below its "More" row fit `room`: no column holds
// more rows than a column may, no level is wider than the room.
void ExpectLevelsFit(const MenuLevel& level, const PopupRoom& room, PopupPresenter& presenter) {
    std::vector<std::string> misfits;
    CollectMisfits(level, "level", false, room, presenter, misfits);
    EXPECT_TRUE(misfits.empty()) << misfits.size() << " levels do not fit, the first " << misfits.front();
}

// How many submenus below `level` the deepest built entry is.
int DeepestEntry(const MenuLevel& level) {
    int deepest = 0;
    for (int pos = 0; pos < level.Count(); ++pos) {
        if (const MenuLevel* submenu = level.SubMenu(pos)) deepest = std::max(deepest, 1 + DeepestEntry(*submenu));
    }
    return deepest;
}

std::vector<int> Ids(int base, int count) {
    std::vector<int> ids;
    for (int k = 1; k <= count; ++k) ids.push_back(base + k);
    return ids;
}

// A room of 5 rows by 3 columns of 100 pixels: 15 rows a level.
class PopupTooWideTest : public PopupMenuTest {
protected:
    void SetUp() override {
        presenter.room = PopupRoom{5, 350, 96};
        presenter.rowWidth = 100;
    }
    const MenuLevel& ShownDesk() { return *presenter.shown.back().SubMenu(2); }
};

TEST_F(PopupTooWideTest, DesktopEntriesThatDoNotFitGoIntoMoreInGroupsOfALevel) {
    BuildWith(0, 40);
    Show();
    const MenuLevel& desk = ShownDesk();
    // The separator and entries 1 to 13, "More" as the 15th row.
    EXPECT_EQ(MenuRows(desk), (Rows{"-", "d1.txt", "d2.txt", "d3.txt", "d4.txt", "||", "d5.txt", "d6.txt",
                                    "d7.txt", "d8.txt", "d9.txt", "||", "d10.txt", "d11.txt", "d12.txt",
                                    "d13.txt", "More>"}));
    const MenuLevel& more = *desk.SubMenu(desk.Count() - 1);
    EXPECT_EQ(MenuRows(more), (Rows{GroupCaption("d14.txt", "d28.txt") + ">", GroupCaption("d29.txt", "d40.txt") + ">"}));
    EXPECT_EQ(more.SubMenu(0)->At(0).id, kDesktopIdBase + 14);
    EXPECT_EQ(ColumnHeights(*more.SubMenu(0)), (std::vector<int>{5, 5, 5})) << "a group is a whole level";
    EXPECT_EQ(MenuRows(*more.SubMenu(1)).front(), "d29.txt");
    ExpectLevelsFit(desk, presenter.room, presenter);
    EXPECT_EQ(EntryIdsThroughMore(desk), Ids(kDesktopIdBase, 40)) << "each entry exactly once, in stored order";
}

TEST_F(PopupTooWideTest, RestThatFitsOneLevelIsShownInMoreAsItIs) {
    BuildWith(0, 20);
    Show();
    const MenuLevel& desk = ShownDesk();
    const MenuLevel& more = *desk.SubMenu(desk.Count() - 1);
    EXPECT_EQ(MenuRows(more), (Rows{"d14.txt", "d15.txt", "d16.txt", "d17.txt", "d18.txt", "||", "d19.txt",
                                    "d20.txt"}));
}

TEST_F(PopupTooWideTest, CustomEntriesOverflowAndTheFixedRowsStay) {
    BuildWith(40, 3);
    Show();
    const MenuLevel& top = presenter.shown.back();
    EXPECT_EQ(MenuRows(top), (Rows{"-", "c1.txt", "c2.txt", "c3.txt", "c4.txt", "||", "c5.txt", "c6.txt",
                                   "c7.txt", "c8.txt", "c9.txt", "||", "More>", "-", "DeskTop>", "Properties",
                                   "Exit"}));
    EXPECT_EQ(top.At(top.Count() - 2).id, kPropertiesId);
    EXPECT_EQ(top.At(top.Count() - 1).id, kExitId);
    EXPECT_EQ(MenuRows(*top.SubMenu(top.Count() - 3)), (Rows{"-", "d1.txt", "d2.txt", "d3.txt"}));
    const MenuLevel& more = *top.SubMenu(top.Count() - 5);
    // A last group of one entry is that entry.
    EXPECT_EQ(MenuRows(more), (Rows{GroupCaption("c10.txt", "c24.txt") + ">", GroupCaption("c25.txt", "c39.txt") + ">",
                                    "c40.txt"}));
    EXPECT_EQ(more.At(2).id, kCustomIdBase + 40);
    ExpectLevelsFit(top, presenter.room, presenter);
    EXPECT_EQ(EntryIdsThroughMore(top), Ids(kCustomIdBase, 40));
}

TEST_F(PopupTooWideTest, ChosenEntryDeepInMoreOpensItsOwnEntry) {
    BuildWith(0, 300);
    presenter.choices = {kDesktopIdBase + 300};
    EXPECT_EQ(Show(), kDesktopIdBase + 300);
    const MenuLevel& desk = ShownDesk();
    ExpectLevelsFit(desk, presenter.room, presenter);
    EXPECT_EQ(EntryIdsThroughMore(desk), Ids(kDesktopIdBase, 300));
}

// A level holds 15 rows here; the menu manager nests no more than about 30
// levels, and "More" used to take one level per 14 entries.
TEST_F(PopupTooWideTest, LevelsGrowWithTheLogarithmOfTheEntries) {
    const struct {
        int entries;
        int deepest;  // submenus below "DeskTop": "More", then groups in groups
    } cases[] = {{100, 2}, {1000, 3}, {10000, 4}, {100000, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.entries) + " entries");
        menu = PopupMenu();
        store = FakeSettingsStore();
        BuildWith(0, c.entries);
        Show();
        const MenuLevel& desk = ShownDesk();
        EXPECT_EQ(DeepestEntry(desk), c.deepest);
        ExpectLevelsFit(desk, presenter.room, presenter);
        EXPECT_EQ(EntryIdsThroughMore(desk), Ids(kDesktopIdBase, c.entries));
    }
}

// Two names fit side by side, "first – last" of two such names does not:
// both are cut in the middle, as much as the room asks.
TEST_F(PopupTooWideTest, GroupCaptionTooWideForTheRoomKeepsTheStartAndEndOfBothNames) {
    presenter.rowWidth = 20;
    presenter.pixelsPerByte = 7;  // 47 bytes fit the room
    SeedList(store, kDesktopSection, NumberedEntries(40, "Quarterly report ", "Desk"));
    Build();
    Show();
    const MenuLevel& desk = ShownDesk();
    // Entries 1 to 8 and "More"; below it, groups of one column of entries,
    // in groups of one column.
    const MenuLevel& more = *desk.SubMenu(desk.Count() - 1);
    EXPECT_EQ(MenuRows(more), (Rows{"Quarterly\u2026ort 9.txt \u2013 Quarterly\u2026rt 33.txt>",
                                    "Quarterly\u2026rt 34.txt \u2013 Quarterly\u2026rt 40.txt>"}));
    const MenuLevel& groups = *more.SubMenu(0);
    EXPECT_EQ(MenuRows(groups).front(), "Quarterly\u2026ort 9.txt \u2013 Quarterly\u2026rt 13.txt>");
    EXPECT_EQ(MenuRows(*groups.SubMenu(0)).front(), "Quarterly report 9.txt") << "the entries keep their names";
    ExpectLevelsFit(desk, presenter.room, presenter);
    EXPECT_EQ(EntryIdsThroughMore(desk), Ids(kDesktopIdBase, 40));
}

TEST_F(PopupTooWideTest, WideCaptionsLeaveFewerColumns) {
    presenter.rowWidth = 200;  // one column of 5 rows fits
    BuildWith(0, 12);
    Show();
    const MenuLevel& desk = ShownDesk();
    ExpectLevelsFit(desk, presenter.room, presenter);
    EXPECT_EQ(EntryIdsThroughMore(desk), Ids(kDesktopIdBase, 12));
}

// With few rows to a column, the fixed rows and "More" take two or three
// columns: where they do not fit, their separators go.
TEST_F(PopupMenuTest, FixedRowsOfAShortScreenStayInsideItsWidth) {
    const struct {
        PopupRoom room;
        Rows top;
    } cases[] = {
        {{5, 150, 96}, {"More>", "DeskTop>", "Properties", "Exit"}},
        {{2, 250, 96}, {"More>", "DeskTop>", "||", "Properties", "Exit"}},
        {{3, 250, 96}, {"-", "More>", "-", "||", "DeskTop>", "Properties", "Exit"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.room.rowsHigh) + " rows, " + std::to_string(c.room.width) + " pixels");
        menu = PopupMenu();
        store = FakeSettingsStore();
        presenter.room = c.room;
        BuildWith(40, 40);
        Show();
        MenuLevel& top = presenter.shown.back();
        EXPECT_EQ(MenuRows(top), c.top);
        ExpectLevelsFit(top, c.room, presenter);
        ExpectLevelsFit(DesktopSubmenu(top), c.room, presenter);
        EXPECT_EQ(EntryIdsThroughMore(top), Ids(kCustomIdBase, 40));
        EXPECT_EQ(EntryIdsThroughMore(DesktopSubmenu(top)), Ids(kDesktopIdBase, 40));
    }
}

// A room of 1,280 by 1,024 pixels at 96 dpi, as the presenter reports it
// (the menu's frame taken off), with rows as wide as the menu font makes
// them: 7 pixels a byte and 60 of margins.
class PopupOnAScreenTest : public PopupMenuTest {
protected:
    void SetUp() override {
        presenter.room = PopupRoom{57, 1268, 96};
        presenter.rowWidth = 60;
        presenter.pixelsPerByte = 7;
    }
};

// A long list with long names: the deepest level of the "More" chain used
// to take all the rest, thousands of pixels wide. At 250 %, 20 rows of 17
// pixels a byte and 150 of margins, a name fits the screen but two of them
// in a group's caption do not.
TEST_F(PopupOnAScreenTest, LongNamesPastTheOldDepthLimitFitEveryLevel) {
    const std::string longName = "Quarterly report of the regional sales office ";
    const struct {
        const char* scale;
        PopupRoom room;
        int margins;
        int pixelsPerByte;
    } screens[] = {{"100 %", presenter.room, presenter.rowWidth, presenter.pixelsPerByte},
                   {"250 %", {20, 1262, 240}, 150, 17}};
    for (const auto& screen : screens) {
        presenter.room = screen.room;
        presenter.rowWidth = screen.margins;
        presenter.pixelsPerByte = screen.pixelsPerByte;
        for (int entries : {1400, 2000, 20000}) {
            SCOPED_TRACE(std::to_string(entries) + " entries at " + screen.scale);
            menu = PopupMenu();
            store = FakeSettingsStore();
            SeedList(store, kDesktopSection, NumberedEntries(entries, longName, "Reports"));
            Build();
            Show();
            const MenuLevel& desk = DesktopSubmenu(presenter.shown.back());
            ExpectLevelsFit(desk, presenter.room, presenter);
            EXPECT_EQ(EntryIdsThroughMore(desk), Ids(kDesktopIdBase, entries));
        }
    }
}

TEST_F(PopupOnAScreenTest, HundredThousandEntriesAreWithinThreeLevelsBelowDeskTop) {
    BuildWith(0, 100000);
    Show();
    MenuLevel& top = presenter.shown.back();
    const MenuLevel& desk = DesktopSubmenu(top);
    EXPECT_LE(DeepestEntry(desk), 3);
    ExpectLevelsFit(top, presenter.room, presenter);
    ExpectLevelsFit(desk, presenter.room, presenter);
    const std::vector<int> ids = EntryIdsThroughMore(desk);
    EXPECT_TRUE(ids == Ids(kDesktopIdBase, 100000)) << "each entry exactly once, in stored order";
}

TEST_F(PopupMenuTest, KeptMenuIsPreparedAgainOnlyWhenItsColumnsChange) {
    BuildWith(30, 60);
    struct Step {
        const char* what;
        PopupRoom room;
        int preparations;
    };
    const Step steps[] = {
        {"first showing", {50, 2000, 96}, 1},
        {"the same room", {50, 2000, 96}, 1},
        {"a taller screen: still 25 rows a column", {80, 2000, 96}, 1},
        {"a screen of 20 rows", {20, 2000, 96}, 2},
        {"back to 25 rows", {30, 2000, 96}, 3},
        {"a narrower screen", {30, 900, 96}, 4},
        {"another scale", {30, 900, 144}, 5},
        {"another menu font or theme at that scale", {30, 900, 144, 1}, 6},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        presenter.room = step.room;
        Show();
        EXPECT_EQ(presenter.preparations, step.preparations);
        const MenuLevel& desk = DesktopSubmenu(presenter.shown.back());
        ExpectLevelsFit(desk, step.room, presenter);
        EXPECT_EQ(EntryIdsThroughMore(desk), Ids(kDesktopIdBase, 60));
    }
}

TEST_F(PopupMenuTest, RepeatedShowingsKeepOneBreakPerBrokenLevel) {
    BuildWith(40, 30);
    for (int i = 0; i < 5; ++i) Show();
    ASSERT_EQ(presenter.shown.size(), 5u);
    for (const MenuLevel& shown : presenter.shown) {
        EXPECT_EQ(MenuRows(shown), MenuRows(presenter.shown.front()));
    }
    const MenuLevel& last = presenter.shown.back();
    EXPECT_EQ(last.Count(), 46);
    EXPECT_EQ(last.PositionOf(kColumnBreakId), kColumnRows);
    const MenuLevel* desk = last.SubMenu(43);
    ASSERT_NE(desk, nullptr);
    EXPECT_EQ(desk->Count(), 32);
}

TEST_F(PopupMenuTest, ShowReturnsTheChosenId) {
    BuildWith(1, 0);
    presenter.choices = {kCustomIdBase + 1};
    EXPECT_EQ(Show(), kCustomIdBase + 1);
    EXPECT_EQ(Show(), 0);
}

TEST_F(PopupMenuTest, RebuildAfterShowingReplacesEveryBuiltEntry) {
    BuildWith(30, 40);
    Show();
    SeedList(store, kCustomSection, NumberedEntries(2, "x", "New"));
    SeedList(store, kDesktopSection, NumberedEntries(1, "y", "New"));
    FakeEventPump pump;
    RebuildPopupMenu(menu, store, {}, pump, state);
    EXPECT_EQ(Top(), (Rows{"-", "x1.txt", "x2.txt", "-", "DeskTop>", "Properties", "Exit"}));
    EXPECT_EQ(Desk(), (Rows{"-", "y1.txt"}));
    EXPECT_EQ(menu.custom.size(), 2u);
    EXPECT_EQ(menu.desktop[0], MakeEntry("y1.txt", "C:\\New\\"));
    EXPECT_EQ(state.customCount, 2);
    EXPECT_EQ(state.desktopCount, 1);
    EXPECT_EQ(pump.runs, 1);
}

// OK rebuilds a saved list from the values it stored instead of reading
// them back: the menu must come out as a read of the store would make it.
TEST(PopupRebuildFromSavedValues, GivesWhatReadingTheStoreBackGives) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"a.txt%C:\\%1", "b%c.txt%D:\\x%y\\%1", "Tom & Jerry.avi%\\\\server\\share\\%1"},
        {"a%C:\\1\\%1", "b%C:\\%1", "a%C:\\2\\%1", "c%C:\\%1"},  // a repeated custom name
        {"relative.txt%folder\\%1", "kept.txt%C:\\%1", "no fields at all"},
    };
    for (const std::vector<std::string>& values : cases) {
        SCOPED_TRACE(values.empty() ? "no entries" : values.front());
        FakeEventPump pump;
        FakeSettingsStore store;
        for (const char* section : {kCustomSection, kDesktopSection}) {
            const int count = static_cast<int>(values.size());
            for (int k = 1; k <= count; ++k) store.Seed(section, ChoiceKey(k), values[static_cast<std::size_t>(k - 1)]);
            store.Seed(section, ChoiceKey(count + 1), kDoneValue);
        }
        PopupMenu readBack;
        ListsState readState;
        RebuildPopupMenu(readBack, store, {}, pump, readState);

        FakeSettingsStore empty;
        PopupMenu fromValues;
        ListsState valuesState;
        RebuildPopupMenu(fromValues, empty, SavedLists{values, values}, pump, valuesState);

        EXPECT_EQ(MenuRows(fromValues.tree), MenuRows(readBack.tree));
        EXPECT_EQ(MenuRows(DesktopSubmenu(fromValues.tree)), MenuRows(DesktopSubmenu(readBack.tree)));
        EXPECT_EQ(fromValues.custom, readBack.custom);
        EXPECT_EQ(fromValues.desktop, readBack.desktop);
        EXPECT_EQ(valuesState.customCount, readState.customCount);
        EXPECT_EQ(valuesState.desktopCount, readState.desktopCount);
        // A read of the empty store would have written its terminators.
        EXPECT_EQ(empty.WriteCount(), 0) << "the saved lists are read back from the store";
    }
}

TEST_F(PopupMenuTest, RebuildRemovesOnlyTheBuiltEntriesAfterTheMenuCountsWentStale) {
    SeedList(store, kCustomSection, {MakeEntry("a", "C:\\"), MakeEntry("b", "C:\\"), MakeEntry("a", "D:\\")});
    Build();
    // The list readers count every stored entry; the menu holds two.
    state.customCount = 3;
    FakeEventPump pump;
    RebuildPopupMenu(menu, store, {}, pump, state);
    EXPECT_EQ(Top(), (Rows{"-", "a", "b", "-", "DeskTop>", "Properties", "Exit"}));
}

}  // namespace
}  // namespace kelvo
