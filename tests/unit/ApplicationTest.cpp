#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/FakeDesktop.h"
#include "fakes/TestData.h"
#include "menus/MenuIds.h"
#include "shell/Application.h"
#include "store/Choices.h"

namespace kelvo {
namespace {

class ApplicationTest : public ::testing::Test {
protected:
    void StoreList(const std::string& section, const std::vector<ListEntry>& entries) {
        SeedList(desktop.store, section, entries);
        for (const ListEntry& entry : entries) desktop.files.Add(entry.fullPath);
    }
    // Starts up and forgets the calls made so far.
    void Started() {
        ASSERT_TRUE(app.StartUp());
        desktop.log.clear();
    }

    FakeDesktop desktop;
    Application app{desktop.parts};
};

TEST_F(ApplicationTest, StartUpRunsInOrder) {
    StoreList(kCustomSection, {MakeEntry("c.txt", "C:\\")});
    StoreList(kDesktopSection, {MakeEntry("d.lnk", "D:\\")});
    EXPECT_TRUE(app.StartUp());
    EXPECT_EQ(desktop.log, (CallLog{
        "splash.Centre", "splash.Show", "settingsWindow.Centre", "pump.RunPending",
        "taskbar.IsPresent", "taskbar.AddIcon",
        // the popup menu: custom, then desktop
        "store.Get Custom MenuChoice1", "store.Get Custom MenuChoice2", "store.Put Custom MenuChoice2 Done",
        "store.Get Desktop MenuChoice1", "store.Get Desktop MenuChoice2", "store.Put Desktop MenuChoice2 Done",
        "listView1.DetachImages", "imageList1.Clear", "imageList1.Add dummy", "listView1.AttachImages",
        "listView2.DetachImages", "imageList2.Clear", "imageList2.Add dummy", "listView2.AttachImages",
        "listView1.Clear", "listView2.Clear",
        // the list views: custom, then desktop
        "store.Get Custom MenuChoice1", "listView2.Insert c.txt", "listView2.Repaint",
        "store.Get Custom MenuChoice2", "store.Put Custom MenuChoice2 Done",
        "store.Get Desktop MenuChoice1", "listView1.Insert d.lnk", "listView1.Repaint",
        "store.Get Desktop MenuChoice2", "store.Put Desktop MenuChoice2 Done",
        "settingsWindow.Hide",
        "customMoveDown.Disable", "customMoveUp.Disable", "customRemoveItem.Disable",
        "desktopMoveDown.Disable", "desktopMoveUp.Disable", "desktopRemoveItem.Disable",
        "splash.Hide"}));
}

TEST_F(ApplicationTest, StartWithEmptyStore) {
    desktop.settingsWindow.visible = true;
    ASSERT_TRUE(app.StartUp());
    EXPECT_EQ(desktop.store.Value("Desktop", "MenuChoice1"), "Done");
    EXPECT_EQ(desktop.store.Value("Custom", "MenuChoice1"), "Done");
    EXPECT_EQ(MenuRows(app.Popup()), (std::vector<std::string>{"-", "-", "DeskTop>", "Properties", "Exit"}));
    EXPECT_EQ(desktop.listView1.Count(), 0);
    EXPECT_EQ(desktop.listView2.Count(), 0);
    for (const FakeButton* button : {&desktop.customMoveDown, &desktop.customMoveUp, &desktop.customRemoveItem,
                                     &desktop.desktopMoveDown, &desktop.desktopMoveUp, &desktop.desktopRemoveItem}) {
        EXPECT_FALSE(button->enabled) << button->logTarget.name;
    }
    EXPECT_TRUE(desktop.help.enabled);
    EXPECT_FALSE(desktop.settingsWindow.visible);
    EXPECT_FALSE(desktop.splash.visible);
    EXPECT_EQ(desktop.taskbar.adds, 1);
}

TEST_F(ApplicationTest, NoTaskbarStopsAfterTheCheck) {
    desktop.taskbar.present = false;
    desktop.settingsWindow.visible = true;
    EXPECT_FALSE(app.StartUp());
    EXPECT_EQ(desktop.log, (CallLog{"splash.Centre", "splash.Show", "settingsWindow.Centre", "pump.RunPending",
                                    "taskbar.IsPresent"}));
    EXPECT_TRUE(desktop.splash.visible);
    EXPECT_TRUE(desktop.settingsWindow.visible);
    app.OnTaskbarCreated();
    EXPECT_EQ(desktop.taskbar.adds, 0);
}

TEST_F(ApplicationTest, TaskbarRestartPlacesTheIconAgain) {
    Started();
    app.OnTaskbarCreated();
    EXPECT_EQ(desktop.taskbar.adds, 2);
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
        Application tray(fresh.parts);
        ASSERT_TRUE(tray.StartUp());
        fresh.settingsWindow.visible = c.windowVisible;
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
    ASSERT_EQ(desktop.listView2.Count(), 2);
    for (int k = 1; k <= 3; ++k) app.OnMenuCommand(kCustomIdBase + k);
    for (int k = 1; k <= 3; ++k) app.OnMenuCommand(kDesktopIdBase + k);
    EXPECT_EQ(desktop.launcher.opened,
              (std::vector<std::string>{"C:\\Custom\\c1.txt", "C:\\Custom\\c2.txt", "C:\\Custom\\c3.txt",
                                        "C:\\Desk\\d1.txt", "C:\\Desk\\d2.txt", "C:\\Desk\\d3.txt"}));
}

TEST_F(ApplicationTest, EntriesStayThoseOfTheMenuWhileTheListsAreEdited) {
    StoreList(kCustomSection, NumberedEntries(2, "c", "Custom"));
    Started();
    app.OnMenuCommand(kPropertiesId);
    desktop.listView2.Remove(1);
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
    app.State().desktopCount = 7;
    app.State().customCount = 5;
    desktop.listView1.Append(ListRow{"left over", "", ""});
    desktop.imageList2.Add("c1.txt", Image16::Filled(0));
    app.OnMenuCommand(kPropertiesId);

    EXPECT_EQ(app.State().desktopMenuCount, 7);
    EXPECT_EQ(app.State().customMenuCount, 5);
    EXPECT_EQ(app.State().desktopCount, 3);
    EXPECT_EQ(app.State().customCount, 2);
    EXPECT_EQ(desktop.listView1.Count(), 3);
    EXPECT_EQ(desktop.listView2.Count(), 2);
    EXPECT_EQ(desktop.imageList2.keys, std::vector<std::string>{"dummy"});
    EXPECT_TRUE(desktop.settingsWindow.visible);
    // Order: images reset, views emptied, custom read before desktop, window last.
    auto at = [&](const std::string& call) { return std::find(desktop.log.begin(), desktop.log.end(), call); };
    EXPECT_LT(at("imageList2.Add dummy"), at("listView1.Clear"));
    EXPECT_LT(at("listView2.Clear"), at("listView2.Insert c1.txt"));
    EXPECT_LT(at("listView2.Insert c2.txt"), at("listView1.Insert d1.txt"));
    EXPECT_EQ(desktop.log.back(), "settingsWindow.Show");
}

TEST_F(ApplicationTest, PropertiesTwiceListsEachEntryOnce) {
    StoreList(kCustomSection, NumberedEntries(2, "c", "Custom"));
    Started();
    app.OnMenuCommand(kPropertiesId);
    desktop.settingsWindow.visible = false;
    app.OnMenuCommand(kPropertiesId);
    EXPECT_EQ(desktop.listView2.Count(), 2);
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

TEST_F(ApplicationTest, RebuildShowsTheCommittedLists) {
    StoreList(kCustomSection, NumberedEntries(2, "c", "Custom"));
    Started();
    SeedList(desktop.store, kCustomSection, {MakeEntry("new.txt", "E:\\")});
    app.RebuildPopupMenu();
    EXPECT_EQ(MenuRows(app.Popup()),
              (std::vector<std::string>{"-", "new.txt", "-", "DeskTop>", "Properties", "Exit"}));
    app.OnMenuCommand(kCustomIdBase + 1);
    app.OnMenuCommand(kCustomIdBase + 2);
    EXPECT_EQ(desktop.launcher.opened, std::vector<std::string>{"E:\\new.txt"});
}

}  // namespace
}  // namespace kelvo
