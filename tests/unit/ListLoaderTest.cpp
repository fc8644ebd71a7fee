#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/Application.h"
#include "fakes/FakeDesktop.h"
#include "fakes/TestData.h"
#include "lists/EntryImages.h"
#include "lists/FileRows.h"
#include "lists/ListLoader.h"
#include "lists/ReachableRoots.h"
#include "menus/MenuIds.h"
#include "store/ChoiceWriter.h"
#include "store/Choices.h"

namespace kelvo {
namespace {

class ListLoaderTest : public ::testing::Test {
protected:
    void Store(const std::string& section, const std::vector<ListEntry>& entries, const std::string& missing) {
        SeedList(desktop.store, section, entries);
        for (const ListEntry& entry : entries) {
            if (entry.name != missing) desktop.files.Add(entry.FullPath());
        }
    }
    static std::vector<std::string> Names(const FakeListView& view) {
        std::vector<std::string> names;
        for (const ListRow& row : view.rows) names.push_back(row.text);
        return names;
    }

    static std::vector<ListEntry> EntriesIn(int n, const std::string& location) {
        std::vector<ListEntry> entries;
        for (int k = 1; k <= n; ++k) entries.push_back(MakeEntry("e" + std::to_string(k) + ".txt", location));
        return entries;
    }
    static std::vector<ListRow> UnavailableRows(const std::vector<ListEntry>& entries) {
        std::vector<ListRow> rows;
        for (const ListEntry& entry : entries) rows.push_back(ListRow{entry.name, entry.location, kUnavailableIconKey});
        return rows;
    }

    FakeListParts desktop;
    ListsState state;
};

TEST_F(ListLoaderTest, MissingFileIsSkippedButCounted) {
    Store(kDesktopSection, NumberedEntries(4, "d", "Desk"), "d2.txt");
    LoadDesktopView(desktop.sources, desktop.lists, state);
    EXPECT_EQ(Names(desktop.desktopList), (std::vector<std::string>{"d1.txt", "d3.txt", "d4.txt"}));
    EXPECT_EQ(desktop.desktopList.rows[1], (ListRow{"d3.txt", "C:\\Desk\\", ""}));
    EXPECT_EQ(state.desktopCount, 4);
    EXPECT_EQ(desktop.desktopList.repaints, 3);
    EXPECT_TRUE(desktop.customList.rows.empty());
}

TEST_F(ListLoaderTest, CustomListFillsListViewTwo) {
    Store(kCustomSection, NumberedEntries(3, "c", "Custom"), "c3.txt");
    LoadCustomView(desktop.sources, desktop.lists, state);
    EXPECT_EQ(Names(desktop.customList), (std::vector<std::string>{"c1.txt", "c2.txt"}));
    EXPECT_EQ(state.customCount, 3);
    EXPECT_EQ(state.desktopCount, 0);
    EXPECT_TRUE(desktop.desktopList.rows.empty());
}

TEST_F(ListLoaderTest, LocationWithoutTrailingBackslashReadsAsMissing) {
    desktop.store.Seed("Custom", "MenuChoice1", "a.txt%C:\\X%1");
    desktop.store.Seed("Custom", "MenuChoice2", "Done");
    desktop.files.Add("C:\\X\\a.txt");
    LoadCustomView(desktop.sources, desktop.lists, state);
    EXPECT_TRUE(desktop.customList.rows.empty());
    EXPECT_EQ(state.customCount, 1);
}

TEST_F(ListLoaderTest, EachAddedRowIsPaintedAtOnce) {
    Store(kCustomSection, NumberedEntries(2, "c", "Custom"), "");
    LoadCustomView(desktop.sources, desktop.lists, state);
    auto first = std::find(desktop.log.begin(), desktop.log.end(), "customList.Insert c1.txt");
    ASSERT_NE(first, desktop.log.end());
    EXPECT_EQ(*(first + 1), "customList.Repaint");
}

TEST(PathRoot, IsTheDriveOrTheShare) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Desk\\a.txt", "C:\\"},
        {"e:\\", "e:\\"},
        {"\\\\server\\share\\dir\\a.txt", "\\\\server\\share\\"},
        {"\\\\server\\share", "\\\\server\\share\\"},  // the share itself
        {"\\\\server\\", ""},  // no share named
        {"\\\\\\share\\a.txt", ""},  // no server named
        {"\\\\server\\\\a.txt", ""},
        {"C:a.txt", ""},
        {"Desk\\a.txt", ""},
        {"", ""},
    };
    for (const auto& [path, root] : cases) EXPECT_EQ(PathRoot(path), root) << path;
}

TEST_F(ListLoaderTest, EntriesOnAnUnreachableDriveAreKeptAfterOneQuestion) {
    const std::vector<ListEntry> entries = EntriesIn(100, "E:\\Stick\\");
    SeedList(desktop.store, kDesktopSection, entries);
    const StoredList before = ReadList(desktop.store, kDesktopSection);
    desktop.files.unreachableRoots = {"E:\\"};

    LoadDesktopView(desktop.sources, desktop.lists, state);

    EXPECT_EQ(desktop.files.rootQueries, 1);
    EXPECT_EQ(desktop.desktopList.rows, UnavailableRows(entries));
    EXPECT_EQ(state.desktopCount, 100);
    EXPECT_EQ(desktop.shell.describes, 0);  // the shell would wait on the dead drive too
    EXPECT_EQ(desktop.desktopImages.keys, std::vector<std::string>{kUnavailableIconKey});

    ASSERT_TRUE(SaveDesktopChoices(desktop.store, desktop.desktopList));
    EXPECT_EQ(ReadList(desktop.store, kDesktopSection), before);
}

TEST_F(ListLoaderTest, MixedListKeepsItsOrderAndAsksEachRootOnce) {
    const ListEntry here = MakeEntry("here.txt", "C:\\Desk\\");
    const ListEntry gone = MakeEntry("gone.txt", "C:\\Desk\\");
    const ListEntry stick = MakeEntry("a.txt", "E:\\Stick\\");
    const ListEntry stickLower = MakeEntry("b.txt", "e:\\Other\\");
    const ListEntry share = MakeEntry("c.txt", "\\\\vpn\\docs\\Plans\\");
    const ListEntry shareAgain = MakeEntry("d.txt", "\\\\VPN\\Docs\\");
    const ListEntry goneFromLiveShare = MakeEntry("e.txt", "\\\\nas\\music\\");
    SeedList(desktop.store, kCustomSection, {stick, here, share, gone, stickLower, goneFromLiveShare, shareAgain});
    desktop.files.Add(here.FullPath());
    desktop.files.unreachableRoots = {"E:\\", "e:\\", "\\\\vpn\\docs\\", "\\\\VPN\\Docs\\"};

    LoadCustomView(desktop.sources, desktop.lists, state);

    std::vector<ListRow> expected = UnavailableRows({stick});
    expected.push_back(ListRow{"here.txt", "C:\\Desk\\", ""});
    for (const ListRow& row : UnavailableRows({share, stickLower, shareAgain})) expected.push_back(row);
    EXPECT_EQ(desktop.customList.rows, expected);
    EXPECT_EQ(state.customCount, 7);
    EXPECT_EQ(desktop.files.rootQueries, 4);  // E:, C:, \\vpn\docs, \\nas\music
    EXPECT_EQ(desktop.shell.describes, 1);
}

// Only a folder that says the file or the path is not there drops an entry;
// when the system could not look, the entry stays as unavailable and OK
// writes it back unchanged.
TEST_F(ListLoaderTest, EachWayALookAtAFileFailsKeepsOrDropsItsEntry) {
    struct Case {
        const char* what;
        PathLookup lookup;
        bool stays;
    };
    const Case cases[] = {
        {"file not found", PathLookup::FileNotFound, false},
        {"path not found", PathLookup::PathNotFound, false},
        {"access denied", PathLookup::AccessDenied, true},
        {"device not ready", PathLookup::NotReady, true},
        {"network error", PathLookup::NetworkError, true},
        {"any other error", PathLookup::OtherError, true},
    };
    const ListEntry here = MakeEntry("here.txt", "C:\\Desk\\");
    const ListEntry looked = MakeEntry("looked.txt", "\\\\nas\\docs\\Plans\\");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeListParts fresh;
        ListsState freshState;
        SeedList(fresh.store, kCustomSection, {looked, here});
        fresh.files.Add(here.FullPath());
        fresh.files.failures[looked.FullPath()] = c.lookup;
        const StoredList before = ReadList(fresh.store, kCustomSection);

        LoadCustomView(fresh.sources, fresh.lists, freshState);

        std::vector<ListRow> expected;
        if (c.stays) expected = UnavailableRows({looked});
        expected.push_back(ListRow{"here.txt", "C:\\Desk\\", ""});
        EXPECT_EQ(fresh.customList.rows, expected);
        ASSERT_TRUE(SaveCustomChoices(fresh.store, fresh.customList));
        EXPECT_EQ(ReadList(fresh.store, kCustomSection) == before, c.stays);
    }
}

TEST_F(ListLoaderTest, PointerIsBusyAroundTheWholeFill) {
    Store(kCustomSection, NumberedEntries(2, "c", "Custom"), "");
    Store(kDesktopSection, NumberedEntries(2, "d", "Desk"), "");
    const std::function<void()> fills[] = {[&] { LoadCustomView(desktop.sources, desktop.lists, state); },
                                           [&] { LoadDesktopView(desktop.sources, desktop.lists, state); },
                                           [&] { RefillListViews(desktop.sources, desktop.lists, state); }};
    for (const auto& fill : fills) {
        desktop.log.clear();
        fill();
        ASSERT_GE(desktop.log.size(), 2u);
        EXPECT_EQ(desktop.log.front(), "pointer.Busy");
        EXPECT_EQ(desktop.log.back(), "pointer.Idle");
        EXPECT_EQ(std::count(desktop.log.begin(), desktop.log.end(), "pointer.Busy"), 1);
        EXPECT_FALSE(desktop.pointer.busy);
    }
}

// The same fill, as Properties runs it.
class ListLoaderThroughTheProgramTest : public ListLoaderTest {
protected:
    FakeDesktop program;
};

TEST_F(ListLoaderThroughTheProgramTest, PropertiesAsksOnceAboutADeadDriveAndOkKeepsItsEntries) {
    const std::vector<ListEntry> custom = EntriesIn(60, "Z:\\Work\\");
    const std::vector<ListEntry> desk = EntriesIn(40, "Z:\\");
    SeedList(program.store, kCustomSection, custom);
    SeedList(program.store, kDesktopSection, desk);
    const StoredList customBefore = ReadList(program.store, kCustomSection);
    const StoredList deskBefore = ReadList(program.store, kDesktopSection);
    program.files.unreachableRoots = {"Z:\\"};
    Application app(program.tray, program.sources, program);
    ASSERT_TRUE(app.StartUp());
    program.files.rootQueries = 0;

    app.OnMenuCommand(kPropertiesId);
    EXPECT_EQ(program.files.rootQueries, 1);
    EXPECT_EQ(program.customList.rows, UnavailableRows(custom));
    EXPECT_EQ(program.desktopList.rows, UnavailableRows(desk));

    app.OnSettingsCommand(SettingsCommand::OK);
    EXPECT_EQ(ReadList(program.store, kCustomSection), customBefore);
    EXPECT_EQ(ReadList(program.store, kDesktopSection), deskBefore);
    EXPECT_EQ(app.Popup().Count(), 60 + 5);
}

TEST_F(ListLoaderTest, ImageResetLeavesOnlyTheBlankPictureAndTheRows) {
    desktop.desktopList.Append(ListRow{"kept", "C:\\", "a.txt"});
    desktop.desktopImages.Add("a.txt", IconImage::Filled(kBaseIconSide, 0x123456));
    desktop.log.clear();
    ResetImages(desktop.lists.desktop);
    EXPECT_EQ(desktop.log, (CallLog{"desktopList.DetachImages", "desktopImages.Clear", "desktopImages.Add dummy",
                                    "desktopList.AttachImages"}));
    EXPECT_EQ(desktop.desktopImages.keys, std::vector<std::string>{"dummy"});
    EXPECT_EQ(desktop.desktopImages.pictures.at("dummy"), IconImage::Filled(kBaseIconSide, 0xFFFFFF));
    EXPECT_EQ(desktop.desktopList.attached, &desktop.desktopImages);
    EXPECT_EQ(desktop.desktopList.Count(), 1);
}

TEST_F(ListLoaderTest, CustomImageResetTouchesOnlyTheCustomList) {
    ResetImages(desktop.lists.custom);
    EXPECT_EQ(desktop.customList.attached, &desktop.customImages);
    EXPECT_EQ(desktop.customImages.Count(), 1);
    EXPECT_EQ(desktop.desktopList.attached, nullptr);
    EXPECT_EQ(desktop.desktopImages.Count(), 0);
}

}  // namespace
}  // namespace kelvo
