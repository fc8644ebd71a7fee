#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "fakes/FakeDesktop.h"
#include "fakes/TestData.h"
#include "lists/DroppedFiles.h"
#include "menus/MenuIds.h"
#include "settings/TabChange.h"
#include "store/Choices.h"

namespace kelvo {
namespace {

std::vector<std::string> Texts(const FakeListView& view) {
    std::vector<std::string> texts;
    for (const ListRow& row : view.rows) texts.push_back(row.text);
    return texts;
}

TEST(DroppedEntryTest, SplitsAtTheLastBackslash) {
    struct Case {
        const char* path;
        ListEntry entry;
    };
    for (const Case& c : {Case{"C:\\Docs\\a.txt", MakeEntry("a.txt", "C:\\Docs\\")},
                          Case{"C:\\Docs\\Sub Folder", MakeEntry("Sub Folder", "C:\\Docs\\")},
                          Case{"\\\\server\\share\\x.doc", MakeEntry("x.doc", "\\\\server\\share\\")},
                          Case{"C:\\", MakeEntry("", "C:\\")},
                          Case{"loose.txt", MakeEntry("loose.txt", "")}}) {
        EXPECT_EQ(DroppedEntry(c.path), c.entry) << c.path;
    }
}

// The settings window open on a custom list of c1.txt and c2.txt, with
// files of its own in C:\Drop\ that the shell knows as text documents.
class DropTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<ListEntry> entries = NumberedEntries(2, "c", "Custom");
        SeedList(desktop.store, kCustomSection, entries);
        for (const ListEntry& entry : entries) desktop.files.Add(entry.FullPath());
        for (const char* name : {"a.txt", "b.txt", "C1.TXT", "c1.txt", "Folder"}) AddFile(name);
        ASSERT_TRUE(app.StartUp());
        app.OnMenuCommand(kPropertiesId);
    }
    void AddFile(const std::string& name) {
        desktop.files.Add("C:\\Drop\\" + name);
        desktop.shell.Add("C:\\Drop\\" + name, FakeFileFacts{name == "Folder" ? "File folder" : "Text Document", 3});
    }
    void Drop(const std::vector<std::string>& names) {
        std::vector<std::string> paths;
        for (const std::string& name : names) paths.push_back("C:\\Drop\\" + name);
        app.OnFilesDropped(paths);
    }

    FakeDesktop desktop;
    Application app{desktop.tray, desktop.sources, desktop};
};

TEST_F(DropTest, NothingIsTakenBeforeTheCustomTabWasSelected) {
    app.OnTabChange(kAboutTab);
    app.OnTabChange(kDesktopTab);
    Drop({"a.txt"});
    EXPECT_EQ(desktop.customList.Count(), 2);
    EXPECT_EQ(desktop.dropTarget.accepts, 0) << "the pointer must not promise a drop";
}

TEST_F(DropTest, FilesJoinTheCustomListInDropOrderOnAnyTab) {
    app.OnTabChange(kCustomTab);
    app.OnTabChange(kDesktopTab);
    Drop({"b.txt", "Folder", "a.txt"});
    EXPECT_EQ(Texts(desktop.customList), (std::vector<std::string>{"c1.txt", "c2.txt", "b.txt", "Folder", "a.txt"}));
    EXPECT_EQ(desktop.customList.Row(4), (ListRow{"Folder", "C:\\Drop\\", "file folder"}));
    EXPECT_EQ(desktop.customList.Row(5).iconKey, "text document");
    EXPECT_EQ(desktop.desktopList.Count(), 0);
    EXPECT_EQ(app.Lists().customCount, 5);
    EXPECT_TRUE(desktop.messages.shown.empty());
    EXPECT_FALSE(desktop.pointer.busy);
}

TEST_F(DropTest, NamesAlreadyListedAreRefusedByExactName) {
    app.OnTabChange(kCustomTab);
    // c1.txt of another folder is on the list; C1.TXT differs in case; the
    // second a.txt repeats one of the same drop.
    Drop({"c1.txt", "C1.TXT", "a.txt", "a.txt", "b.txt"});
    EXPECT_EQ(Texts(desktop.customList), (std::vector<std::string>{"c1.txt", "c2.txt", "C1.TXT", "a.txt", "b.txt"}));
    EXPECT_EQ(desktop.messages.shown, (std::vector<std::string>(2, "This item already on the list")));
    EXPECT_EQ(app.Lists().customCount, 5);
}

TEST_F(DropTest, GoneFilesDrivesAndRelativePathsAreNotListed) {
    app.OnTabChange(kCustomTab);
    // A relative path would be found against the current folder.
    desktop.files.Add("Drop\\b.txt");
    app.OnFilesDropped({"C:\\Drop\\gone.txt", "D:\\", "Drop\\b.txt", "C:\\Drop\\a.txt"});
    EXPECT_EQ(Texts(desktop.customList), (std::vector<std::string>{"c1.txt", "c2.txt", "a.txt"}));
    EXPECT_EQ(desktop.messages.shown,
              std::vector<std::string>{"Only files and folders can go on the list, not a whole drive: D:\\"});
}

TEST_F(DropTest, SelectingTheCustomTabAgainAcceptsDropsOnce) {
    for (int tab : {kCustomTab, kAboutTab, kCustomTab, kDesktopTab, kCustomTab}) app.OnTabChange(tab);
    EXPECT_EQ(desktop.dropTarget.accepts, 1);
    Drop({"a.txt"});
    EXPECT_EQ(desktop.customList.Count(), 3);
}

TEST_F(DropTest, DroppedRowsReachThePopupAfterOkAndAreGoneAfterCancel) {
    app.OnTabChange(kCustomTab);
    Drop({"a.txt"});
    app.OnSettingsCommand(SettingsCommand::OK);
    EXPECT_EQ(MenuRows(app.Popup()),
              (std::vector<std::string>{"-", "c1.txt", "c2.txt", "a.txt", "-", "DeskTop>", "Properties", "Exit"}));
    app.OnMenuCommand(kPropertiesId);
    Drop({"b.txt"});
    app.OnSettingsCommand(SettingsCommand::Cancel);
    EXPECT_EQ(app.Lists().customCount, 3);
    app.OnMenuCommand(kPropertiesId);
    EXPECT_EQ(Texts(desktop.customList), (std::vector<std::string>{"c1.txt", "c2.txt", "a.txt"}));
}

// Selecting a list tab closes the help pane; the About tab leaves it open.
TEST_F(DropTest, ListTabsCloseTheHelpPane) {
    struct Case {
        int tab;
        bool paneStaysOpen;
    };
    for (const Case& c : {Case{kDesktopTab, false}, Case{kCustomTab, false}, Case{kAboutTab, true}}) {
        const int width = desktop.settingsWindow.widthTwips;
        app.OnSettingsCommand(SettingsCommand::Help);
        app.OnTabChange(c.tab);
        EXPECT_EQ(app.SettingsWindowState().helpShown, c.paneStaysOpen) << c.tab;
        EXPECT_EQ(desktop.help.enabled, !c.paneStaysOpen) << c.tab;
        EXPECT_EQ(desktop.settingsWindow.widthTwips, width + (c.paneStaysOpen ? 2800 : 0)) << c.tab;
        app.OnSettingsCommand(SettingsCommand::Cancel);
        EXPECT_EQ(desktop.settingsWindow.widthTwips, width) << c.tab;
        app.OnMenuCommand(kPropertiesId);
    }
}

}  // namespace
}  // namespace kelvo
