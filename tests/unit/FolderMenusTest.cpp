#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "fakes/FakeDesktop.h"
#include "fakes/TestData.h"
#include "menus/FolderLevels.h"
#include "menus/MenuIds.h"
#include "store/Choices.h"
#include "store/StoredOptions.h"

namespace kelvo {
namespace {

using Rows = std::vector<std::string>;

const ShortcutTarget kFolder{ShortcutLeadsTo::Folder, "C:\\Docs"};

// The program started with a desktop list of a folder, a file, a shortcut
// to a folder, a shortcut to a file and an entry on a drive that does not
// answer; the folder holds a subfolder and a file.
class FolderMenusTest : public ::testing::Test {
protected:
    void SetUp() override {
        SeedList(desktop.store, kDesktopSection,
                 {MakeEntry("Docs", "C:\\"), MakeEntry("a.txt", "C:\\"), MakeEntry("Work.lnk", "C:\\"),
                  MakeEntry("Note.lnk", "C:\\"), MakeEntry("Away", "Q:\\")});
        desktop.folderReader.Hold("C:\\Docs", {ListedFile("x.txt"), ListedFolder("Sub")});
        desktop.folderReader.Hold("C:\\Docs\\Sub", {ListedFile("deep.txt")});
    }
    void Started() {
        ASSERT_TRUE(app.StartUp());
        desktop.log.clear();
    }
    // Answers the last request as the platform would have found the entries.
    void AnswerFollowing() {
        ASSERT_FALSE(desktop.follower.requests.empty());
        app.OnEntriesFollowed(desktop.follower.requests.back().request,
                              {kFolder,
                               {ShortcutLeadsTo::File, "C:\\a.txt"},
                               {ShortcutLeadsTo::Folder, "D:\\Work"},
                               {ShortcutLeadsTo::File, "C:\\Notes\\n.txt"},
                               {ShortcutLeadsTo::NotResponding, {}}});
    }
    const MenuLevel& Desk() { return DesktopSubmenu(desktop.popup.prepared); }
    // Shows the popup and, while it shows, runs `whileShown`.
    void Show(std::function<void()> whileShown) {
        desktop.popup.whileShown = std::move(whileShown);
        app.OnTrayMessage(kRightButtonUp);
    }
    // Opens the submenu of the row with `id`, as the menu manager is about
    // to show it as level `depth`; the rows filled in it.
    const MenuLevel& Opened(int id, int depth = 3) {
        app.OnSubmenuOpening(id, depth);
        return desktop.popup.filled.at(id);
    }

    FakeDesktop desktop;
    Application app{desktop.tray, desktop.sources, desktop};
};

TEST_F(FolderMenusTest, EntriesThatLeadToFoldersBecomeSubmenusOnceTheirTargetsAreKnown) {
    Started();
    ASSERT_EQ(desktop.follower.requests.size(), 1u);
    EXPECT_EQ(desktop.follower.requests[0].paths,
              (Rows{"C:\\Docs", "C:\\a.txt", "C:\\Work.lnk", "C:\\Note.lnk", "Q:\\Away"}));
    EXPECT_EQ(MenuRows(Desk()), (Rows{"-", "Docs", "a.txt", "Work.lnk", "Note.lnk", "Away"})) << "plain until then";
    AnswerFollowing();
    // Prepared at once, so the next showing costs no more than before.
    EXPECT_EQ(desktop.log, (CallLog{"popup.Prepare"}));
    EXPECT_EQ(MenuRows(Desk()), (Rows{"-", "Docs>", "a.txt", "Work.lnk>", "Note.lnk", "Away"}));
    EXPECT_EQ(Desk().At(1).id, kDesktopIdBase + 1);
}

// Entries that all lead to files change no row, so the menu is not laid out
// again.
TEST_F(FolderMenusTest, AnAnswerWithoutFoldersLeavesThePreparedMenuAsItIs) {
    Started();
    app.OnEntriesFollowed(desktop.follower.requests.back().request,
                          std::vector<ShortcutTarget>(5, {ShortcutLeadsTo::File, "C:\\f.txt"}));
    EXPECT_EQ(desktop.log, CallLog{});
}

TEST_F(FolderMenusTest, AnAnswerForListsSinceRebuiltOrWithTheOptionOffChangesNothing) {
    Started();
    const unsigned first = desktop.follower.requests.back().request;
    app.OnEntriesFollowed(first + 1, std::vector<ShortcutTarget>(5, kFolder));
    EXPECT_EQ(MenuRows(Desk()), (Rows{"-", "Docs", "a.txt", "Work.lnk", "Note.lnk", "Away"}));

    FakeDesktop off;
    off.store.Seed(kOptionsSection, kFolderMenusName, "0");
    SeedList(off.store, kDesktopSection, {MakeEntry("Docs", "C:\\")});
    Application plain{off.tray, off.sources, off};
    ASSERT_TRUE(plain.StartUp());
    EXPECT_TRUE(off.follower.requests.empty()) << "nothing is looked at";
    plain.OnEntriesFollowed(1, {kFolder});
    EXPECT_EQ(MenuRows(DesktopSubmenu(off.popup.prepared)), (Rows{"-", "Docs"}));
}

TEST_F(FolderMenusTest, AFoldersSubmenuIsFilledWhenItOpensWithOpenThenItsRows) {
    Started();
    AnswerFollowing();
    Show([&] {
        EXPECT_TRUE(desktop.popup.filled.empty()) << "nothing is read before it opens";
        EXPECT_EQ(MenuRows(Opened(kDesktopIdBase + 1)), (Rows{"Open", "-", "Sub>", "x.txt"}));
        const int sub = Opened(kDesktopIdBase + 1).At(2).id;
        EXPECT_EQ(MenuRows(Opened(sub, 4)), (Rows{"Open", "-", "deep.txt"})) << "a folder's folders cascade";
        EXPECT_EQ(MenuRows(Opened(kDesktopIdBase + 3)), (Rows{"Open", "-", "[The system cannot find the path specified.]"}));
    });
    EXPECT_TRUE(desktop.popup.filled.empty()) << "emptied when the popup closed";
}

TEST_F(FolderMenusTest, ChoosingARowOfAFolderOpensItsPathOnlyWhileThePopupShows) {
    Started();
    AnswerFollowing();
    int fileRow = 0;
    int openRow = 0;
    Show([&] {
        const MenuLevel& docs = Opened(kDesktopIdBase + 1);
        openRow = docs.At(0).id;
        fileRow = docs.At(3).id;
        desktop.popup.choices.push_back(fileRow);
    });
    EXPECT_EQ(desktop.launcher.opened, (Rows{"C:\\Docs\\x.txt"}));
    Show([&] {
        Opened(kDesktopIdBase + 1);
        desktop.popup.choices.push_back(openRow);
    });
    EXPECT_EQ(desktop.launcher.opened.back(), "C:\\Docs") << "Open opens the entry, as choosing it did";
    // An id of an earlier showing stands for nothing now.
    desktop.popup.choices.push_back(fileRow);
    Show(nullptr);
    EXPECT_EQ(desktop.launcher.opened.size(), 2u);
}

TEST_F(FolderMenusTest, AnOpenedFolderThatFailsToOpenIsTold) {
    Started();
    AnswerFollowing();
    desktop.launcher.failure = "Access is denied.";
    Show([&] { desktop.popup.choices.push_back(Opened(kDesktopIdBase + 1).At(3).id); });
    EXPECT_EQ(desktop.messages.shown, (Rows{CouldNotOpenMessage("C:\\Docs\\x.txt", "Access is denied.")}));
}

// The level of one folder, read through FolderLevels alone.
class FolderLevelsTest : public ::testing::Test {
protected:
    FolderLevelsTest() { menu.folderEntries[kCustomIdBase + 1] = FolderRow{"Docs", "C:\\Docs", "C:\\Docs", false}; }
    MenuLevel Open(int depth, const PopupRoom& room = PopupRoom{50, 100000, 96}) {
        return *levels.Open(menu, kCustomIdBase + 1, depth, room, [](const MenuItem&) { return 100; });
    }

    FakeFolderReader reader;
    FakeFileSystem files;
    PopupMenu menu;
    FolderLevels levels{reader, files};
};

TEST_F(FolderLevelsTest, AFolderWithoutRowsShowsOneNoticeOfWhy) {
    struct Case {
        const char* folder;
        FolderListing listing;
        std::string notice;
    };
    const Case cases[] = {
        {"empty", FolderListing{}, "[(empty)]"},
        {"unreadable", FolderListing{ListingOutcome::Unreadable, {}, "Access is denied."}, "[Access is denied.]"},
        {"drive away", FolderListing{ListingOutcome::NotAvailable, {}, {}}, "[Not available]"},
        {"slow", FolderListing{ListingOutcome::NotResponding, {}, {}}, "[Not responding]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        // Each in a showing of its own: a drive found away stays so for
        // the rest of a showing.
        levels.Forget();
        reader.folders["C:\\Docs"] = c.listing;
        EXPECT_EQ(MenuRows(Open(2)), (Rows{"Open", "-", c.notice}));
    }
}

TEST_F(FolderLevelsTest, FoldersTooDeepForTheMenuManagerOpenInTheExplorer) {
    reader.Hold("C:\\Docs", {ListedFolder("Sub"), ListedFile("x.txt")});
    EXPECT_EQ(MenuRows(Open(kDeepestLevel - 1)), (Rows{"Open", "-", "Sub>", "x.txt"}));
    const MenuLevel deepest = Open(kDeepestLevel);
    EXPECT_EQ(MenuRows(deepest), (Rows{"Open", "-", "Sub", "x.txt"}));
    EXPECT_EQ(*levels.PathOf(deepest.At(2).id), "C:\\Docs\\Sub");
}

TEST_F(FolderLevelsTest, ALargeFolderIsLaidOutInColumnsAndMoreAsEveryLevelIs) {
    std::vector<FolderItem> items;
    for (int k = 1; k <= 100; ++k) items.push_back(ListedFile("f" + std::to_string(k) + ".txt"));
    reader.Hold("C:\\Docs", items);
    // Room for two columns of ten rows.
    const MenuLevel shown = Open(2, PopupRoom{10, 200, 96});
    EXPECT_EQ(ColumnHeights(shown), (std::vector<int>{10, 10}));
    EXPECT_EQ(MenuRows(shown).front(), "Open");
    EXPECT_EQ(MenuRows(shown).back(), std::string(kMoreCaption) + ">");
}

TEST_F(FolderLevelsTest, ForgettingDropsEveryRowsPath) {
    reader.Hold("C:\\Docs", {ListedFile("x.txt")});
    const MenuLevel shown = Open(2);
    ASSERT_NE(levels.PathOf(shown.At(2).id), nullptr);
    levels.Forget();
    EXPECT_EQ(levels.PathOf(shown.At(2).id), nullptr);
    EXPECT_EQ(levels.PathOf(shown.At(0).id), nullptr);
}

}  // namespace
}  // namespace kelvo
