#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/Application.h"
#include "fakes/FakeDesktop.h"
#include "fakes/TestData.h"
#include "menus/EntryIcons.h"
#include "menus/MenuIds.h"
#include "menus/PopupLayout.h"
#include "store/Choices.h"
#include "store/StoredOptions.h"

namespace kelvo {
namespace {

using Icons = std::vector<int>;
using Pictures = std::map<int, int>;  // icon: side

constexpr int kText = 1;
constexpr int kFolder = 3;
constexpr int kTool = 7;
constexpr int U = kUnavailableIcon;
constexpr int N = kNoIcon;

Icons IconsOf(const MenuLevel& level) {
    Icons icons;
    for (int pos = 0; pos < level.Count(); ++pos) icons.push_back(level.At(pos).icon);
    return icons;
}

// The icons of the built entries of `level` and of every level below it.
void CollectEntryIcons(const MenuLevel& level, Icons& icons) {
    for (int pos = 0; pos < level.Count(); ++pos) {
        const MenuItem& row = level.At(pos);
        if (row.id > kCustomIdBase) icons.push_back(row.icon);
        if (row.submenu) CollectEntryIcons(*row.submenu, icons);
    }
}

// The program started with three text files, one of them under the name of
// a program, in the custom list; in the desktop list a folder, a text file,
// a file the shell does not know (gone since it was stored) and two files on
// a drive that does not answer.
class MenuIconsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SeedList(desktop.store, kCustomSection,
                 {MakeEntry("a.txt", "C:\\"), MakeEntry("b.txt", "C:\\"), MakeEntry("Tool.exe", "C:\\")});
        SeedList(desktop.store, kDesktopSection,
                 {MakeEntry("Docs", "C:\\"), MakeEntry("c.txt", "C:\\"), MakeEntry("gone.txt", "C:\\"),
                  MakeEntry("x.txt", "Q:\\"), MakeEntry("y.txt", "Q:\\")});
        for (const char* text : {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", "Q:\\x.txt", "Q:\\y.txt"}) {
            desktop.shell.Add(text, {"Text Document", kText});
        }
        desktop.shell.Add("C:\\Tool.exe", {"Application", kTool});
        desktop.shell.Add("C:\\Docs", {"File folder", kFolder});
        for (const char* present : {"C:\\a.txt", "C:\\b.txt", "C:\\Tool.exe", "C:\\Docs", "C:\\c.txt"}) {
            desktop.files.Add(present);
        }
        desktop.files.unreachableRoots = {"Q:\\"};
    }
    void Started() {
        ASSERT_TRUE(app.StartUp());
        desktop.log.clear();
    }
    // Answers the last request for icons as the platform finds them.
    void AnswerIcons() {
        ASSERT_FALSE(desktop.icons.requests.empty());
        const FakeIconFinder::Request& last = desktop.icons.requests.back();
        app.OnIconsFound(last.request, FindEntryIcons(desktop.files, desktop.shell, last.paths));
    }
    void Show() { app.OnTrayMessage(kRightButtonUp); }
    const MenuLevel& Top() { return desktop.popup.prepared; }
    const MenuLevel& Desk() { return DesktopSubmenu(desktop.popup.prepared); }

    FakeDesktop desktop;
    Application app{desktop.tray, desktop.sources, desktop};
};

TEST_F(MenuIconsTest, RowsShowNoIconUntilTheyAreFoundAfterStartUpThenTheirFilesIcons) {
    Started();
    ASSERT_EQ(desktop.icons.requests.size(), 1u);
    EXPECT_EQ(desktop.icons.requests[0].paths,
              (std::vector<std::string>{"C:\\a.txt", "C:\\b.txt", "C:\\Tool.exe", "C:\\Docs", "C:\\c.txt",
                                        "C:\\gone.txt", "Q:\\x.txt", "Q:\\y.txt"}));
    Show();
    EXPECT_EQ(IconsOf(desktop.popup.shown.at(0)), Icons(8, N)) << "the first popup waits for no icon";
    EXPECT_TRUE(desktop.popup.pictures.empty());

    desktop.log.clear();
    AnswerIcons();
    EXPECT_EQ(desktop.log, (CallLog{"popup.Prepare"})) << "prepared while the user waits for nothing";
    // "DeskTop", "Properties" and "Exit" keep their text alone.
    EXPECT_EQ(IconsOf(Top()), (Icons{N, kText, kText, kTool, N, N, N, N}));
    EXPECT_EQ(IconsOf(Desk()), (Icons{N, kFolder, kText, U, U, U}));
    EXPECT_EQ(desktop.popup.pictures, (Pictures{{kText, 16}, {kTool, 16}, {kFolder, 16}, {U, 16}}));
    EXPECT_EQ(desktop.popup.picturesDrawn, 4) << "one picture per distinct icon";
    EXPECT_EQ(desktop.shell.describes, 6) << "no file on the drive that does not answer is looked at";
    EXPECT_EQ(desktop.files.rootQueries, 2) << "each root is asked once";
}

TEST_F(MenuIconsTest, PicturesAreDrawnAgainAtEachNewScale) {
    Started();
    AnswerIcons();
    const struct {
        int dpi;
        int side;
    } scales[] = {{144, 24}, {192, 32}, {96, 16}};
    int drawn = desktop.popup.picturesDrawn;
    for (const auto& scale : scales) {
        desktop.popup.room.dpi = scale.dpi;
        Show();
        EXPECT_EQ(desktop.popup.pictures, (Pictures{{kText, scale.side}, {kTool, scale.side},
                                                    {kFolder, scale.side}, {U, scale.side}}))
            << scale.dpi;
        drawn += 4;
        EXPECT_EQ(desktop.popup.picturesDrawn, drawn) << scale.dpi;
    }
    Show();
    EXPECT_EQ(desktop.popup.picturesDrawn, drawn) << "the same scale draws nothing again";
}

TEST_F(MenuIconsTest, OkFreesThePicturesAndFindsTheIconsOfTheNewLists) {
    Started();
    const unsigned before = desktop.icons.requests.back().request;
    AnswerIcons();
    app.OnMenuCommand(kPropertiesId);
    app.OnSettingsCommand(SettingsCommand::OK);
    EXPECT_TRUE(desktop.popup.pictures.empty());
    EXPECT_EQ(desktop.popup.picturesRemoved.size(), 4u);
    ASSERT_EQ(desktop.icons.requests.size(), 2u);

    // The desktop list OK saved is shorter by the file that is gone, so the
    // old answer is dropped by its request, not its length.
    app.OnIconsFound(before, Icons(7, kTool));
    EXPECT_EQ(IconsOf(Top()), Icons(8, N)) << "icons for the lists before OK are dropped";
    AnswerIcons();
    EXPECT_EQ(IconsOf(Top()), (Icons{N, kText, kText, kTool, N, N, N, N}));
    EXPECT_EQ(IconsOf(Desk()), (Icons{N, kFolder, kText, U, U}));
    EXPECT_EQ(desktop.popup.pictures.size(), 4u);
}

TEST_F(MenuIconsTest, WithTheOptionOffNoIconIsAskedForAndNoRowShowsOne) {
    desktop.store.Seed(kOptionsSection, kMenuIconsName, "0");
    Started();
    EXPECT_FALSE(app.MenuIconsOn());
    EXPECT_TRUE(desktop.icons.requests.empty());
    app.OnIconsFound(desktop.popup.preparations, Icons(8, kText));
    Show();
    EXPECT_EQ(IconsOf(desktop.popup.shown.at(0)), Icons(8, N));
    EXPECT_EQ(IconsOf(DesktopSubmenu(desktop.popup.shown.at(0))), Icons(6, N));
    EXPECT_EQ(desktop.popup.picturesDrawn, 0);
}

TEST_F(MenuIconsTest, OkTurnsTheIconsOffAndOnAgain) {
    Started();
    AnswerIcons();
    app.OnMenuCommand(kPropertiesId);
    EXPECT_TRUE(desktop.menuIcons.checked) << "the Options tab shows them on";
    desktop.menuIcons.checked = false;
    app.OnSettingsCommand(SettingsCommand::OK);
    EXPECT_EQ(desktop.store.Value(kOptionsSection, kMenuIconsName), "0");
    EXPECT_FALSE(app.MenuIconsOn());
    EXPECT_EQ(desktop.icons.requests.size(), 1u);
    Show();
    EXPECT_EQ(IconsOf(desktop.popup.shown.back()), Icons(8, N));
    EXPECT_TRUE(desktop.popup.pictures.empty());

    app.OnMenuCommand(kPropertiesId);
    EXPECT_FALSE(desktop.menuIcons.checked);
    desktop.menuIcons.checked = true;
    app.OnSettingsCommand(SettingsCommand::OK);
    EXPECT_EQ(desktop.store.Value(kOptionsSection, kMenuIconsName), "1");
    ASSERT_EQ(desktop.icons.requests.size(), 2u);
    AnswerIcons();
    EXPECT_EQ(IconsOf(Top()), (Icons{N, kText, kText, kTool, N, N, N, N}));
}

// A row whose picture cannot be drawn shows none; it is asked for again at
// the next preparation rather than never.
TEST_F(MenuIconsTest, AnIconThatCannotBeDrawnIsLeftOutOfThePictures) {
    desktop.popup.undrawable = {kTool};
    Started();
    AnswerIcons();
    EXPECT_EQ(desktop.popup.pictures, (Pictures{{kText, 16}, {kFolder, 16}, {U, 16}}));
    desktop.popup.undrawable.clear();
    desktop.popup.room.dpi = 120;
    Show();
    EXPECT_EQ(desktop.popup.pictures, (Pictures{{kText, 20}, {kTool, 20}, {kFolder, 20}, {U, 20}}));
}

TEST_F(MenuIconsTest, AnEntryThatLeadsToAFolderKeepsItsIconWhicheverAnswerComesFirst) {
    for (const bool iconsFirst : {true, false}) {
        FakeDesktop fresh;
        SeedList(fresh.store, kDesktopSection, {MakeEntry("Docs", "C:\\"), MakeEntry("c.txt", "C:\\")});
        Application started(fresh.tray, fresh.sources, fresh);
        ASSERT_TRUE(started.StartUp());
        const auto follow = [&] {
            started.OnEntriesFollowed(fresh.follower.requests.back().request,
                                      {{ShortcutLeadsTo::Folder, "C:\\Docs"}, {ShortcutLeadsTo::File, "C:\\c.txt"}});
        };
        const auto icons = [&] { started.OnIconsFound(fresh.icons.requests.back().request, {kFolder, kText}); };
        if (iconsFirst) {
            icons();
            follow();
        } else {
            follow();
            icons();
        }
        const MenuLevel& desk = DesktopSubmenu(fresh.popup.prepared);
        EXPECT_EQ(MenuRows(desk), (std::vector<std::string>{"-", "Docs>", "c.txt"})) << iconsFirst;
        EXPECT_EQ(IconsOf(desk), (Icons{N, kFolder, kText})) << iconsFirst;
    }
}

// Entries beyond what the screen holds go into "More": laid out for the
// room, their rows show their icons too.
TEST_F(MenuIconsTest, RowsBelowMoreShowTheirIcons) {
    SeedList(desktop.store, kCustomSection, NumberedEntries(12, "c", "Custom"));
    for (int k = 1; k <= 12; ++k) desktop.shell.Add("C:\\Custom\\c" + std::to_string(k) + ".txt", {"Text", kText});
    desktop.popup.room = PopupRoom{6, 150, 96};
    Started();
    AnswerIcons();
    const MenuLevel& top = Top();
    int more = -1;
    for (int pos = 0; pos < top.Count(); ++pos) {
        if (top.At(pos).text == kMoreCaption) more = pos;
    }
    ASSERT_GE(more, 0) << "the room holds only some entries";
    Icons below;
    CollectEntryIcons(*top.SubMenu(more), below);
    EXPECT_FALSE(below.empty());
    EXPECT_EQ(below, Icons(below.size(), kText));
    EXPECT_EQ(top.At(more).icon, N) << "\"More\" itself has none";
}

// A folder's rows are known by their names alone: nothing in the folder is
// looked at while the menu waits.
TEST_F(MenuIconsTest, AFoldersRowsShowTheirTypesIconsWhenItOpens) {
    desktop.folderReader.Hold("C:\\Docs", {ListedFile("n.txt"), ListedFolder("Sub"), ListedFile("odd.zz")});
    desktop.icons.typeIcons = {{".txt", 40}, {"folder", 41}};
    Started();
    AnswerIcons();
    app.OnEntriesFollowed(desktop.follower.requests.back().request,
                          {{ShortcutLeadsTo::File, "C:\\a.txt"},
                           {ShortcutLeadsTo::File, "C:\\b.txt"},
                           {ShortcutLeadsTo::File, "C:\\Tool.exe"},
                           {ShortcutLeadsTo::Folder, "C:\\Docs"},
                           {ShortcutLeadsTo::File, "C:\\c.txt"},
                           {ShortcutLeadsTo::Broken, {}},
                           {ShortcutLeadsTo::NotResponding, {}},
                           {ShortcutLeadsTo::NotResponding, {}}});
    const int describedBefore = desktop.shell.describes;
    MenuLevel docs;
    Pictures whileShown;
    desktop.popup.whileShown = [&] {
        app.OnSubmenuOpening(kDesktopIdBase + 1, 3);
        docs = CopyMenu(desktop.popup.filled.at(kDesktopIdBase + 1));
        whileShown = desktop.popup.pictures;
    };
    Show();
    EXPECT_EQ(MenuRows(docs), (std::vector<std::string>{"Open", "-", "Sub>", "n.txt", "odd.zz"}));
    EXPECT_EQ(IconsOf(docs), (Icons{N, N, 41, 40, N}));
    EXPECT_EQ(desktop.shell.describes, describedBefore);
    EXPECT_EQ(whileShown, (Pictures{{kText, 16}, {kTool, 16}, {kFolder, 16}, {U, 16}, {40, 16}, {41, 16}}))
        << "added beside the popup's own";
}

}  // namespace
}  // namespace kelvo
