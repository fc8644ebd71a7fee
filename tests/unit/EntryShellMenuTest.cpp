#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/Application.h"
#include "fakes/FakeDesktop.h"
#include "fakes/TestData.h"
#include "menus/EntryShellMenu.h"
#include "menus/MenuIds.h"
#include "menus/PopupLayout.h"
#include "store/Choices.h"

namespace kelvo {
namespace {

using Rows = std::vector<std::string>;

// The first entry's row found below the "More" row of `level`.
int FirstRowBelowMore(const MenuLevel& level) {
    for (int pos = 0; pos < level.Count(); ++pos) {
        if (level.At(pos).text != kMoreCaption) continue;
        const std::vector<int> ids = EntryIdsThroughMore(*level.At(pos).submenu);
        return ids.empty() ? 0 : ids.front();
    }
    return 0;
}

// The program started with 30 custom entries, too many for its room, so
// the last ones go below "More", and a desktop list of a folder that opens
// as a submenu, a file, and a file on a drive that does not answer. Every
// file is there unless a test deletes it.
class EntryShellMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop.popup.room = PopupRoom{10, 250, 96};
        const std::vector<ListEntry> custom = NumberedEntries(30, "c", "Custom");
        SeedList(desktop.store, kCustomSection, custom);
        for (const ListEntry& entry : custom) desktop.files.Add(entry.location + entry.name);
        SeedList(desktop.store, kDesktopSection,
                 {MakeEntry("Docs", "C:\\"), MakeEntry("a.txt", "C:\\"), MakeEntry("b.txt", "Q:\\")});
        for (const char* path : {"C:\\Docs", "C:\\a.txt", "Q:\\b.txt", "C:\\Docs\\x.txt"}) desktop.files.Add(path);
        desktop.files.unreachableRoots = {"Q:\\"};
        desktop.folderReader.Hold("C:\\Docs", {ListedFile("x.txt")});
        ASSERT_TRUE(app.StartUp());
        app.OnEntriesFollowed(desktop.follower.requests.back().request,
                              [] {
                                  std::vector<ShortcutTarget> targets(30, {ShortcutLeadsTo::File, {}});
                                  targets.push_back({ShortcutLeadsTo::Folder, "C:\\Docs"});
                                  targets.push_back({ShortcutLeadsTo::File, "C:\\a.txt"});
                                  targets.push_back({ShortcutLeadsTo::File, "Q:\\b.txt"});
                                  return targets;
                              }());
    }
    // Shows the popup and, while it shows, runs `whileShown`.
    void Show(std::function<void()> whileShown) {
        desktop.popup.whileShown = std::move(whileShown);
        app.OnTrayMessage(kRightButtonUp);
    }
    // The calls that a right-button release on row `id` made.
    CallLog RightReleased(int id) {
        desktop.log.clear();
        app.OnRowRightReleased(id);
        return desktop.log;
    }

    FakeDesktop desktop;
    Application app{desktop.tray, desktop.sources, desktop};
};

TEST_F(EntryShellMenuTest, AnEntrysRowShowsTheExplorersMenuOfItsFileAndOtherRowsAreChosen) {
    struct Case {
        const char* row;
        std::function<int()> id;
        CallLog calls;
    };
    int inFolder = 0;
    int openRow = 0;
    const int belowMore = FirstRowBelowMore(desktop.popup.prepared);
    ASSERT_GT(belowMore, kCustomIdBase + 1);
    const Case cases[] = {
        {"custom entry", [] { return kCustomIdBase + 2; }, {"shellMenus.ShowFor C:\\Custom\\c2.txt"}},
        {"desktop entry", [] { return kDesktopIdBase + 2; }, {"shellMenus.ShowFor C:\\a.txt"}},
        {"entry below More", [&] { return belowMore; },
         {"shellMenus.ShowFor C:\\Custom\\c" + std::to_string(belowMore - kCustomIdBase) + ".txt"}},
        {"folder entry", [] { return kDesktopIdBase + 1; }, {"shellMenus.ShowFor C:\\Docs"}},
        {"row in a folder", [&] { return inFolder; }, {"shellMenus.ShowFor C:\\Docs\\x.txt"}},
        {"Open of a folder", [&] { return openRow; }, {"popup.Close"}},
        {"Properties", [] { return kPropertiesId; }, {"popup.Close"}},
        {"Exit", [] { return kExitId; }, {"popup.Close"}},
    };
    Show([&] {
        app.OnSubmenuOpening(kDesktopIdBase + 1, 3);
        const MenuLevel& docs = desktop.popup.filled.at(kDesktopIdBase + 1);
        openRow = docs.At(0).id;
        inFolder = docs.At(2).id;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.row);
            EXPECT_EQ(RightReleased(c.id()), c.calls);
        }
    });
    EXPECT_EQ(RightReleased(kCustomIdBase + 2), CallLog{}) << "nothing while the popup is closed";
}

// As before the Explorer's menu came, when a right-button release chose
// any row.
TEST_F(EntryShellMenuTest, ARowWithoutTheExplorersMenuIsChosenOnceThePopupHasClosed) {
    Show([&] {
        app.OnSubmenuOpening(kDesktopIdBase + 1, 3);
        app.OnRowRightReleased(desktop.popup.filled.at(kDesktopIdBase + 1).At(0).id);
        EXPECT_TRUE(desktop.launcher.opened.empty()) << "not while the popup shows";
    });
    EXPECT_EQ(desktop.launcher.opened, (Rows{"C:\\Docs"})) << "a folder's Open opens it";
    Show([&] { app.OnRowRightReleased(kPropertiesId); });
    EXPECT_TRUE(desktop.settingsWindow.IsVisible());
    desktop.settingsWindow.Hide();
    Show(nullptr);
    EXPECT_EQ(desktop.launcher.opened.size(), 1u) << "chosen once";
}

TEST_F(EntryShellMenuTest, AFileThatCannotBeReachedShowsOneDisabledRowSayingWhy) {
    struct Case {
        const char* file;
        int id;
        std::function<void()> arrange;
        CallLog calls;
    };
    const Case cases[] = {
        {"deleted", kCustomIdBase + 3, [&] { desktop.files.Delete("C:\\Custom\\c3.txt"); },
         {"shellMenus.ShowNotice Not found"}},
        {"on a drive that does not answer", kDesktopIdBase + 3, [] {}, {"shellMenus.ShowNotice Not available"}},
        {"on a drive gone from the network", kDesktopIdBase + 2,
         [&] { desktop.files.failures["C:\\a.txt"] = PathLookup::NetworkError; }, {"shellMenus.ShowNotice Not available"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        c.arrange();
        Show([&] { EXPECT_EQ(RightReleased(c.id), c.calls); });
    }
}

TEST_F(EntryShellMenuTest, ADriveFoundAwayIsNotAskedAgainWhileThePopupShows) {
    Show([&] {
        EXPECT_EQ(RightReleased(kDesktopIdBase + 3), (CallLog{"shellMenus.ShowNotice Not available"}));
        const int asked = desktop.files.rootQueries;
        EXPECT_EQ(RightReleased(kDesktopIdBase + 3), (CallLog{"shellMenus.ShowNotice Not available"}));
        EXPECT_EQ(desktop.files.rootQueries, asked);
    });
}

// A folder of the drive ran past the deadline: the Explorer's menu of a file
// there is not built, nor is the drive asked, while the popup shows.
TEST_F(EntryShellMenuTest, AFileOnADriveThatRanPastTheDeadlineSaysSoAtOnce) {
    desktop.folderReader.folders["C:\\Docs"] = FolderListing{ListingOutcome::NotResponding, {}, {}};
    Show([&] {
        app.OnSubmenuOpening(kDesktopIdBase + 1, 3);
        const int asked = desktop.files.rootQueries;
        EXPECT_EQ(RightReleased(kDesktopIdBase + 2), (CallLog{"shellMenus.ShowNotice Not responding"}));
        EXPECT_EQ(desktop.files.rootQueries, asked);
    });
}

TEST_F(EntryShellMenuTest, AMenuTheShellCannotMakeShowsItsReasonInstead) {
    desktop.shellMenus.outcome = {ShellMenuEnd::NotShown, "Access is denied."};
    Show([&] {
        EXPECT_EQ(RightReleased(kCustomIdBase + 1),
                  (CallLog{"shellMenus.ShowFor C:\\Custom\\c1.txt", "shellMenus.ShowNotice Access is denied."}));
    });
}

TEST_F(EntryShellMenuTest, AChosenVerbClosesThePopupAndRunsOnceItHasClosed) {
    desktop.shellMenus.outcome = {ShellMenuEnd::VerbChosen, {}};
    Show([&] {
        EXPECT_EQ(RightReleased(kCustomIdBase + 1),
                  (CallLog{"shellMenus.ShowFor C:\\Custom\\c1.txt", "popup.Close"}));
        desktop.log.clear();
    });
    EXPECT_EQ(desktop.log, (CallLog{"shellMenus.RunChosen"}));
    EXPECT_TRUE(desktop.launcher.opened.empty()) << "the verb runs through the shell";

    desktop.shellMenus.runFailure = "Access is denied.";
    Show([&] { app.OnRowRightReleased(kCustomIdBase + 1); });
    EXPECT_EQ(desktop.messages.shown, (Rows{VerbFailedMessage("C:\\Custom\\c1.txt", "Access is denied.")}));

    desktop.log.clear();
    Show(nullptr);
    EXPECT_EQ(desktop.log, (CallLog{"popup.Track"})) << "a verb runs once";
}

TEST_F(EntryShellMenuTest, ADismissedMenuLeavesThePopupShowing) {
    Show([&] {
        EXPECT_EQ(RightReleased(kCustomIdBase + 1), (CallLog{"shellMenus.ShowFor C:\\Custom\\c1.txt"}));
        desktop.log.clear();
    });
    EXPECT_EQ(desktop.log, CallLog{});
}

// The shell's menu runs a menu loop of its own, in which another right
// release may arrive.
TEST_F(EntryShellMenuTest, NoSecondMenuShowsWhileTheShellsMenuShows) {
    desktop.shellMenus.whileShown = [&] { app.OnRowRightReleased(kCustomIdBase + 2); };
    Show([&] { EXPECT_EQ(RightReleased(kCustomIdBase + 1), (CallLog{"shellMenus.ShowFor C:\\Custom\\c1.txt"})); });
}

}  // namespace
}  // namespace kelvo
