#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "fakes/FakeDesktop.h"
#include "fakes/TestData.h"
#include "menus/MenuIds.h"
#include "app/Application.h"
#include "settings/HelpTexts.h"
#include "store/Choices.h"
#include "store/ListCommit.h"

namespace kelvo {
namespace {

class ApplicationTest : public ::testing::Test {
protected:
    void StoreList(const std::string& section, const std::vector<ListEntry>& entries) {
        SeedList(desktop.store, section, entries);
        for (const ListEntry& entry : entries) desktop.files.Add(entry.FullPath());
    }
    // Starts up and forgets the calls made so far.
    void Started() {
        ASSERT_TRUE(app.StartUp());
        desktop.log.clear();
    }

    FakeDesktop desktop;
    Application app{desktop.tray, desktop.sources, desktop};
};

TEST_F(ApplicationTest, StartUpRunsInOrder) {
    StoreList(kCustomSection, {MakeEntry("c.txt", "C:\\")});
    StoreList(kDesktopSection, {MakeEntry("d.lnk", "D:\\")});
    EXPECT_TRUE(app.StartUp());
    EXPECT_EQ(desktop.log, (CallLog{
        "splash.Centre", "splash.Show", "pump.RunPending",
        "taskbar.IsPresent", "taskbar.AddIcon",
        // whether folders open as submenus and rows show icons, which the
        // menu follows
        "store.Get Options FolderMenus", "store.Get Options MenuIcons",
        // saves cut short are finished first
        "store.Get Custom.saving Complete", "store.HasSection Custom.saving",
        "store.Get Desktop.saving Complete", "store.HasSection Desktop.saving",
        // the popup menu: custom, then desktop, whose length decides
        // whether a thread of its own reads it
        "store.Get Desktop MenuChoice101", "store.Get Custom MenuChoice1", "store.Get Custom MenuChoice2",
        "store.Get Desktop MenuChoice1", "store.Get Desktop MenuChoice2", "popup.Prepare",
        // the key that opens the menu
        "store.Get Options MenuKey",
        // the settings window is not made until it is first needed
        "splash.Hide",
        // what the entries lead to and their icons, asked on other threads
        "follower.FollowLater", "icons.FindLater"}));
    EXPECT_EQ(desktop.makes, 0);
}

// Most sessions never open Properties, so the window is made when first
// needed, centred with its editing buttons off, and kept.
TEST_F(ApplicationTest, SettingsWindowIsMadeOnceWhenFirstNeeded) {
    Started();
    app.OnMenuCommand(kPropertiesId);
    EXPECT_EQ(desktop.makes, 1);
    const CallLog madeWith(desktop.log.begin(), desktop.log.begin() + 7);
    EXPECT_EQ(madeWith, (CallLog{"settingsWindow.Centre", "customMoveDown.Disable", "customMoveUp.Disable",
                                 "customRemoveItem.Disable", "desktopMoveDown.Disable", "desktopMoveUp.Disable",
                                 "desktopRemoveItem.Disable"}));
    app.OnSettingsCommand(SettingsCommand::Cancel);
    desktop.log.clear();
    app.OnSecondStart();
    EXPECT_EQ(desktop.makes, 1);
    EXPECT_EQ(std::count(desktop.log.begin(), desktop.log.end(), "settingsWindow.Centre"), 0);
    EXPECT_TRUE(desktop.settingsWindow.visible);
}

// The window is made while the pointer rests on Properties, before the
// click; resting on any other row makes nothing.
TEST_F(ApplicationTest, SettingsWindowIsMadeHiddenWhenPropertiesIsHighlighted) {
    StoreList(kCustomSection, {MakeEntry("c.txt", "C:\\")});
    Started();
    for (int id : {kCustomIdBase + 1, kExitId}) app.OnMenuRowHighlighted(id);
    EXPECT_EQ(desktop.makes, 0);
    app.OnMenuRowHighlighted(kPropertiesId);
    app.OnMenuRowHighlighted(kPropertiesId);
    EXPECT_EQ(desktop.makes, 1);
    EXPECT_FALSE(desktop.settingsWindow.visible);
    app.OnMenuCommand(kPropertiesId);
    EXPECT_EQ(desktop.makes, 1);
    EXPECT_TRUE(desktop.settingsWindow.visible);
}

TEST_F(ApplicationTest, StartWithEmptyStore) {
    ASSERT_TRUE(app.StartUp());
    EXPECT_EQ(desktop.store.Value("Desktop", "MenuChoice1"), "Done");
    EXPECT_EQ(desktop.store.Value("Custom", "MenuChoice1"), "Done");
    EXPECT_EQ(MenuRows(app.Popup()), (std::vector<std::string>{"-", "-", "DeskTop>", "Properties", "Exit"}));
    EXPECT_EQ(desktop.makes, 0);
    EXPECT_FALSE(desktop.splash.visible);
    EXPECT_EQ(desktop.taskbar.adds, 1);
    app.OnMenuCommand(kPropertiesId);
    EXPECT_EQ(desktop.desktopList.Count(), 0);
    EXPECT_EQ(desktop.customList.Count(), 0);
    for (const FakeButton* button : {&desktop.customMoveDown, &desktop.customMoveUp, &desktop.customRemoveItem,
                                     &desktop.desktopMoveDown, &desktop.desktopMoveUp, &desktop.desktopRemoveItem}) {
        EXPECT_FALSE(button->enabled) << button->logTarget.name;
    }
    EXPECT_TRUE(desktop.help.enabled);
}

// At logon the program may start before the shell has made its taskbar.
TEST_F(ApplicationTest, StartWithoutATaskbarGoesResidentAndPlacesTheIconWhenTheTaskbarComes) {
    StoreList(kCustomSection, {MakeEntry("c.txt", "C:\\")});
    StoreList(kDesktopSection, {MakeEntry("d.lnk", "D:\\")});
    desktop.taskbar.present = false;
    EXPECT_FALSE(app.StartUp());
    EXPECT_EQ(desktop.taskbar.adds, 0);
    EXPECT_FALSE(desktop.splash.visible);
    EXPECT_EQ(desktop.makes, 0);
    const std::vector<std::string> rows{"-", "c.txt", "-", "DeskTop>", "Properties", "Exit"};
    EXPECT_EQ(MenuRows(app.Popup()), rows);

    desktop.log.clear();
    app.OnTaskbarCreated();
    EXPECT_EQ(desktop.log, CallLog{"taskbar.AddIcon"}) << "the lists are not loaded again";
    EXPECT_EQ(MenuRows(app.Popup()), rows);
    desktop.popup.choices = {kCustomIdBase + 1};
    app.OnTrayMessage(kRightButtonUp);
    EXPECT_EQ(desktop.launcher.opened, std::vector<std::string>{"C:\\c.txt"});
}

TEST_F(ApplicationTest, TaskbarRestartPlacesTheIconAgain) {
    Started();
    app.OnTaskbarCreated();
    EXPECT_EQ(desktop.taskbar.adds, 2);
}

// A second start is the user's way back to a program whose icon is gone.
TEST_F(ApplicationTest, SecondStartPutsTheIconBackAndOpensTheSettingsWithFreshLists) {
    struct Case {
        const char* what;
        bool settingsOpen;
        bool okRunning;
        bool opened;  // filled afresh from the store and shown
    };
    for (const Case& c : {Case{"resident", false, false, true}, Case{"settings open", true, false, false},
                          Case{"OK rebuilding the menu", false, true, false}}) {
        SCOPED_TRACE(c.what);
        FakeDesktop fresh;
        Application again(fresh.tray, fresh.sources, fresh);
        SeedList(fresh.store, kCustomSection, {MakeEntry("old.txt", "C:\\")});
        fresh.files.Add("C:\\old.txt");
        ASSERT_TRUE(again.StartUp());
        again.OnMenuCommand(kPropertiesId);
        fresh.settingsWindow.visible = c.settingsOpen;
        fresh.waitNotice.visible = c.okRunning;
        // Stored since the start, by another program or an earlier OK.
        SeedList(fresh.store, kCustomSection, {MakeEntry("old.txt", "C:\\"), MakeEntry("new.txt", "C:\\")});
        fresh.files.Add("C:\\new.txt");
        again.OnSecondStart();
        EXPECT_EQ(fresh.taskbar.adds, 2);
        EXPECT_EQ(fresh.settingsWindow.visible, c.settingsOpen || c.opened);
        // An open window keeps the user's edits in progress.
        EXPECT_EQ(fresh.customList.Count(), c.opened ? 2 : 1);
    }
}

TEST_F(ApplicationTest, TrayMouseCodes) {
    struct Case {
        long code;
        bool windowVisible;
        int popups;
        int explorers;
    };
    for (const Case& c : {Case{kMouseMove, false, 0, 0}, Case{kLeftButtonDown, false, 0, 1},
                          Case{kLeftButtonDoubleClick, false, 0, 0}, Case{kRightButtonDown, false, 0, 0},
                          Case{kRightButtonUp, false, 1, 0}, Case{kMouseMove, true, 0, 0},
                          Case{kLeftButtonDown, true, 0, 0}, Case{kLeftButtonDoubleClick, true, 0, 0},
                          Case{kRightButtonDown, true, 0, 0}, Case{kRightButtonUp, true, 0, 0},
                          Case{0x0202, false, 0, 0}, Case{0x0206, false, 0, 0}}) {
        FakeDesktop fresh;
        Application tray(fresh.tray, fresh.sources, fresh);
        ASSERT_TRUE(tray.StartUp());
        if (c.windowVisible) tray.OnMenuCommand(kPropertiesId);
        tray.OnTrayMessage(c.code);
        EXPECT_EQ(fresh.popup.shown.size(), static_cast<std::size_t>(c.popups)) << std::hex << c.code;
        EXPECT_EQ(fresh.launcher.explorerStarts, c.explorers) << std::hex << c.code;
        EXPECT_TRUE(fresh.launcher.opened.empty());
    }
}

TEST_F(ApplicationTest, ChosenEntryIsOpened) {
    StoreList(kCustomSection, {MakeEntry("c.txt", "C:\\")});
    StoreList(kDesktopSection, {MakeEntry("d.lnk", "D:\\Desk\\")});
    Started();
    desktop.popup.choices = {kCustomIdBase + 1, kDesktopIdBase + 1};
    app.OnTrayMessage(kRightButtonUp);
    app.OnTrayMessage(kRightButtonUp);
    EXPECT_EQ(desktop.launcher.opened, (std::vector<std::string>{"C:\\c.txt", "D:\\Desk\\d.lnk"}));
}

TEST_F(ApplicationTest, EachEntryOpensItsOwnFileAfterAnEarlierOneWentMissing) {
    StoreList(kCustomSection, NumberedEntries(3, "c", "Custom"));
    StoreList(kDesktopSection, NumberedEntries(3, "d", "Desk"));
    desktop.files.Delete("C:\\Custom\\c1.txt");
    desktop.files.Delete("C:\\Desk\\d2.txt");
    Started();
    app.OnMenuCommand(kPropertiesId);
    ASSERT_EQ(desktop.customList.Count(), 2);
    for (int k = 1; k <= 3; ++k) app.OnMenuCommand(kCustomIdBase + k);
    for (int k = 1; k <= 3; ++k) app.OnMenuCommand(kDesktopIdBase + k);
    EXPECT_EQ(desktop.launcher.opened,
              (std::vector<std::string>{"C:\\Custom\\c1.txt", "C:\\Custom\\c2.txt", "C:\\Custom\\c3.txt",
                                        "C:\\Desk\\d1.txt", "C:\\Desk\\d2.txt", "C:\\Desk\\d3.txt"}));
}

TEST_F(ApplicationTest, UnusableStoredEntriesAreSkippedLikeMissingFilesAndNeverOpened) {
    desktop.store.Seed(kCustomSection, "MenuChoice1", "a.txt%C:\\%1");
    desktop.store.Seed(kCustomSection, "MenuChoice2", "b.txt%Docs\\%1");
    desktop.store.SeedUnreadable(kCustomSection, "MenuChoice3");
    desktop.store.Seed(kCustomSection, "MenuChoice4", "c.txt");
    desktop.store.Seed(kCustomSection, "MenuChoice5", "d.txt%C:\\%1");
    desktop.store.Seed(kCustomSection, "MenuChoice6", "Done");
    // Files that a lookup relative to the current folder would find.
    for (const char* path : {"C:\\a.txt", "Docs\\b.txt", "c.txt", "C:\\d.txt"}) desktop.files.Add(path);
    Started();
    EXPECT_EQ(MenuRows(app.Popup()), (std::vector<std::string>{"-", "a.txt", "d.txt", "-", "DeskTop>", "Properties", "Exit"}));
    app.OnMenuCommand(kPropertiesId);
    EXPECT_EQ(desktop.customList.Count(), 2);
    EXPECT_EQ(app.Lists().customCount, 5);
    for (int k = 1; k <= 5; ++k) app.OnMenuCommand(kCustomIdBase + k);
    EXPECT_EQ(desktop.launcher.opened, (std::vector<std::string>{"C:\\a.txt", "C:\\d.txt"}));
    // Read, not mended: the value that is not text is still there.
    EXPECT_EQ(desktop.store.Keys(kCustomSection).size(), 6u);
    EXPECT_EQ(desktop.store.Value(kCustomSection, "MenuChoice3"), std::nullopt);
}

TEST_F(ApplicationTest, StartFinishesASaveThatAKillCutShortBeforeReading) {
    StoreList(kCustomSection, NumberedEntries(3, "c", "Custom"));
    // Killed while copying the new list of one entry over the old three.
    const std::string staging = StagingSection(kCustomSection);
    desktop.store.Seed(staging, "MenuChoice1", "n.txt%C:\\New\\%1");
    desktop.store.Seed(staging, "MenuChoice2", "Done");
    desktop.store.Seed(staging, "Complete", "1");
    desktop.store.Seed(kCustomSection, "MenuChoice1", "n.txt%C:\\New\\%1");
    desktop.files.Add("C:\\New\\n.txt");
    Started();
    EXPECT_EQ(MenuRows(app.Popup()), (std::vector<std::string>{"-", "n.txt", "-", "DeskTop>", "Properties", "Exit"}));
    app.OnMenuCommand(kPropertiesId);
    EXPECT_EQ(desktop.customList.Count(), 1);
    EXPECT_EQ(desktop.store.Keys(staging), std::vector<std::string>{});
}

TEST_F(ApplicationTest, EntriesStayThoseOfTheMenuWhileTheListsAreEdited) {
    StoreList(kCustomSection, NumberedEntries(2, "c", "Custom"));
    Started();
    app.OnMenuCommand(kPropertiesId);
    desktop.customList.Remove(1);
    desktop.settingsWindow.visible = false;  // closed with Cancel
    app.OnMenuCommand(kCustomIdBase + 1);
    EXPECT_EQ(desktop.launcher.opened, std::vector<std::string>{"C:\\Custom\\c1.txt"});
}

TEST_F(ApplicationTest, OtherIdsDoNothing) {
    StoreList(kCustomSection, NumberedEntries(2, "c", "Custom"));
    StoreList(kDesktopSection, NumberedEntries(2, "d", "Desk"));
    Started();
    for (int id : {0, 3, kColumnBreakId, kCustomIdBase, kCustomIdBase + 3, kDesktopIdBase, kDesktopIdBase + 3, -1}) {
        app.OnMenuCommand(id);
    }
    EXPECT_TRUE(desktop.log.empty());
    EXPECT_FALSE(desktop.program.ended);
}

TEST_F(ApplicationTest, ExitRemovesTheIconThenEnds) {
    Started();
    desktop.popup.choices = {kExitId};
    app.OnTrayMessage(kRightButtonUp);
    EXPECT_EQ(desktop.log, (CallLog{"popup.Track", "taskbar.RemoveIcon", "program.End"}));
    EXPECT_TRUE(desktop.program.ended);
}

TEST_F(ApplicationTest, PropertiesOpensTheSettingsWithFreshLists) {
    StoreList(kCustomSection, NumberedEntries(2, "c", "Custom"));
    StoreList(kDesktopSection, NumberedEntries(3, "d", "Desk"));
    Started();
    app.Lists().desktopCount = 7;
    app.Lists().customCount = 5;
    desktop.desktopList.Append(ListRow{"left over", "", ""});
    desktop.customImages.Add("c1.txt", IconImage::Filled(kBaseIconSide, 0));
    app.OnMenuCommand(kPropertiesId);

    EXPECT_EQ(app.SettingsWindowState().desktopMenuCount, 7);
    EXPECT_EQ(app.SettingsWindowState().customMenuCount, 5);
    EXPECT_EQ(app.Lists().desktopCount, 3);
    EXPECT_EQ(app.Lists().customCount, 2);
    EXPECT_EQ(desktop.desktopList.Count(), 3);
    EXPECT_EQ(desktop.customList.Count(), 2);
    EXPECT_EQ(desktop.customImages.keys, std::vector<std::string>{"dummy"});
    EXPECT_TRUE(desktop.settingsWindow.visible);
    // Order: images reset, views emptied, custom read before desktop, window last.
    auto at = [&](const std::string& call) { return std::find(desktop.log.begin(), desktop.log.end(), call); };
    EXPECT_LT(at("customImages.Add dummy"), at("desktopList.Clear"));
    EXPECT_LT(at("customList.Clear"), at("customList.Insert c1.txt"));
    EXPECT_LT(at("customList.Insert c2.txt"), at("desktopList.Insert d1.txt"));
    EXPECT_EQ(desktop.log.back(), "settingsWindow.Show");
}

TEST_F(ApplicationTest, PropertiesTwiceListsEachEntryOnce) {
    StoreList(kCustomSection, NumberedEntries(2, "c", "Custom"));
    Started();
    app.OnMenuCommand(kPropertiesId);
    desktop.settingsWindow.visible = false;
    app.OnMenuCommand(kPropertiesId);
    EXPECT_EQ(desktop.customList.Count(), 2);
}

TEST_F(ApplicationTest, IconClicksDoNothingWhileOkRebuildsTheMenu) {
    Started();
    app.OnMenuCommand(kPropertiesId);
    desktop.settingsWindow.visible = false;
    desktop.waitNotice.visible = true;
    app.OnTrayMessage(kRightButtonUp);
    app.OnTrayMessage(kLeftButtonDown);
    EXPECT_TRUE(desktop.popup.shown.empty());
    EXPECT_EQ(desktop.launcher.explorerStarts, 0);
}

TEST_F(ApplicationTest, IconClicksDoNothingWhileTheSettingsAreOpen) {
    Started();
    desktop.popup.choices = {kPropertiesId};
    app.OnTrayMessage(kRightButtonUp);
    ASSERT_TRUE(desktop.settingsWindow.visible);
    app.OnTrayMessage(kRightButtonUp);
    app.OnTrayMessage(kLeftButtonDown);
    EXPECT_EQ(desktop.popup.shown.size(), 1u);
    EXPECT_EQ(desktop.launcher.explorerStarts, 0);
    desktop.settingsWindow.visible = false;
    app.OnTrayMessage(kLeftButtonDown);
    EXPECT_EQ(desktop.launcher.explorerStarts, 1);
}

// Opens the settings window from the popup, as the user does.
void OpenProperties(FakeDesktop& desktop, Application& app) {
    desktop.popup.choices = {kPropertiesId};
    app.OnTrayMessage(kRightButtonUp);
    ASSERT_TRUE(desktop.settingsWindow.visible);
}

TEST_F(ApplicationTest, OkRewritesBothListsCustomFirstAndRebuildsThePopup) {
    StoreList(kCustomSection, NumberedEntries(2, "c", "Custom"));
    StoreList(kDesktopSection, NumberedEntries(1, "d", "Desk"));
    Started();
    OpenProperties(desktop, app);
    desktop.customList.Remove(1);
    desktop.customList.Append(ListRow{"new.txt", "E:\\", ""});
    desktop.log.clear();
    app.OnSettingsCommand(SettingsCommand::OK);

    const CallLog& log = desktop.log;
    auto first = [&log](const std::string& call) { return std::find(log.begin(), log.end(), call) - log.begin(); };
    auto last = [&log](const std::string& call) { return log.rend() - std::find(log.rbegin(), log.rend(), call) - 1; };
    EXPECT_LT(first("settingsWindow.Hide"), first("waitNotice.Show"));
    EXPECT_LT(first("waitNotice.Show"), first("store.DeleteSection Custom.saving"));
    // Each list is stored whole, its staging removed, before the next begins.
    EXPECT_LT(first("store.Put Custom MenuChoice2 new.txt%E:\\%1"), last("store.DeleteSection Custom.saving"));
    EXPECT_LT(last("store.DeleteSection Custom.saving"), first("store.DeleteSection Desktop.saving"));
    EXPECT_LT(last("store.DeleteSection Desktop.saving"), first("waitNotice.Hide"));
    EXPECT_EQ(desktop.store.Value(kCustomSection, "MenuChoice2"), "new.txt%E:\\%1");
    EXPECT_FALSE(desktop.settingsWindow.visible);
    EXPECT_FALSE(desktop.waitNotice.visible);
    EXPECT_EQ(MenuRows(app.Popup()),
              (std::vector<std::string>{"-", "c2.txt", "new.txt", "-", "DeskTop>", "Properties", "Exit"}));
    app.OnMenuCommand(kCustomIdBase + 2);
    app.OnMenuCommand(kCustomIdBase + 3);
    EXPECT_EQ(desktop.launcher.opened, std::vector<std::string>{"E:\\new.txt"});
}

TEST_F(ApplicationTest, ThePopupIsPreparedWhenTheListsChangeNotAtEachShowing) {
    StoreList(kCustomSection, NumberedEntries(2, "c", "Custom"));
    Started();
    for (int showing = 0; showing < 3; ++showing) app.OnTrayMessage(kRightButtonUp);
    EXPECT_EQ(desktop.popup.preparations, 1);
    OpenProperties(desktop, app);
    desktop.customList.Remove(1);
    app.OnSettingsCommand(SettingsCommand::OK);
    EXPECT_EQ(desktop.popup.preparations, 2);
    app.OnTrayMessage(kRightButtonUp);
    EXPECT_EQ(MenuRows(desktop.popup.shown.back()),
              (std::vector<std::string>{"-", "c2.txt", "-", "DeskTop>", "Properties", "Exit"}));
}

TEST_F(ApplicationTest, CancelAfterRemovingRowsWritesNothing) {
    StoreList(kCustomSection, NumberedEntries(3, "c", "Custom"));
    Started();
    OpenProperties(desktop, app);
    desktop.customList.Remove(2);
    desktop.store.Put(kCustomSection, "MenuChoice9", "untouched");
    desktop.log.clear();
    app.OnSettingsCommand(SettingsCommand::Cancel);
    for (const std::string& call : desktop.log) EXPECT_NE(call.rfind("store.", 0), 0u) << call;
    EXPECT_FALSE(desktop.settingsWindow.visible);
    EXPECT_EQ(app.Lists().customCount, 3);
    OpenProperties(desktop, app);
    EXPECT_EQ(desktop.customList.Count(), 3);
}

struct HelpCase {
    int tab;
    const char* expectedStart;
};

void PrintTo(const HelpCase& c, std::ostream* out) { *out << "tab " << c.tab; }

class HelpPaneTest : public ApplicationTest, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(HelpPaneTest, HelpShowsTheTabsTextAndWidensTheWindowUntilClosed) {
    Started();
    OpenProperties(desktop, app);
    desktop.tabs.selected = GetParam().tab;
    const int width = desktop.settingsWindow.widthTwips;
    app.OnSettingsCommand(SettingsCommand::Help);
    EXPECT_EQ(desktop.helpPane.text.rfind(GetParam().expectedStart, 0), 0u) << desktop.helpPane.text;
    EXPECT_EQ(desktop.settingsWindow.widthTwips, width + 2800);
    EXPECT_FALSE(desktop.help.enabled);
    app.OnSettingsCommand(SettingsCommand::OK);
    EXPECT_EQ(desktop.settingsWindow.widthTwips, width);
    EXPECT_TRUE(desktop.help.enabled);
    EXPECT_FALSE(app.SettingsWindowState().helpShown);
}

INSTANTIATE_TEST_SUITE_P(Tabs, HelpPaneTest,
                         ::testing::Values(HelpCase{0, "If you running this program for the first time the desktop"},
                                           HelpCase{1, "Use this CUSTOM kelvomenu view setup tabe to setup quick"},
                                           HelpCase{2, "Use this CUSTOM kelvomenu view setup tabe to setup quick"}));

TEST_F(ApplicationTest, HelpTextsEndAsWritten) {
    Started();
    app.OnSettingsCommand(SettingsCommand::Help);
    EXPECT_EQ(desktop.helpPane.text.size(), std::string(kDesktopHelpText).size());
    EXPECT_TRUE(desktop.helpPane.text.ends_with("to leave them unchanged "));
}

TEST_F(ApplicationTest, ExitButtonEndsWithoutWriting) {
    Started();
    OpenProperties(desktop, app);
    desktop.log.clear();
    app.OnSettingsCommand(SettingsCommand::Exit);
    EXPECT_EQ(desktop.log, (CallLog{"settingsWindow.Hide", "taskbar.RemoveIcon", "program.End"}));
}

}  // namespace
}  // namespace kelvo
