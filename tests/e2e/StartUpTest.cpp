#include "E2eSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kelvo::e2e {
namespace {

class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override { ClearStore(); }
};

TEST_F(StartUpTest, EmptyStoreStartsIntoTheNotificationAreaAndEndsBothLists) {
    KelvoProcess kelvo;
    ASSERT_TRUE(kelvo.Started());
    HWND tray = kelvo.WaitUntilResident();
    ASSERT_NE(tray, nullptr);

    EXPECT_EQ(StoredValue(L"Desktop", L"MenuChoice1"), L"Done");
    EXPECT_EQ(StoredValue(L"Custom", L"MenuChoice1"), L"Done");
}

// Most sessions never open Properties: the settings window is made when it
// is first needed, and kept for later openings and a second start. The
// popup's icons are found by another process: the shell's image lists, and
// the common controls that hold them, stay out of this one.
TEST_F(StartUpTest, SettingsWindowIsMadeWhenFirstNeededAndKept) {
    FixtureFolder folder;
    folder.AddFile(L"A.txt");
    StoreList(L"Custom", {folder.ChoiceFor(L"A.txt")});
    KelvoProcess kelvo;
    HWND tray = kelvo.WaitUntilResident();
    ASSERT_NE(tray, nullptr);
    ASSERT_TRUE(WaitUntil([&] {
        HWND popup = ShowPopupOf(tray, kelvo.Id());
        if (popup == nullptr) return false;
        const bool iconShown = MarginPicturePixels(PaintedShotOf(popup)) > 0;
        PressKeys(popup, {VK_ESCAPE});
        WaitUntil([&] { return VisiblePopupOf(kelvo.Id()) == nullptr; });
        return iconShown;
    })) << "the entry's icon shows";
    EXPECT_EQ(SettingsWindowOf(kelvo.Id()), nullptr);
    EXPECT_TRUE(HasLoaded(kelvo.Id(), L"shell32.dll")) << "the module list can be read";
    EXPECT_FALSE(HasLoaded(kelvo.Id(), L"comctl32.dll")) << "nothing needs the common controls yet";

    HWND settings = ChooseProperties(tray, kelvo.Id());
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(HasLoaded(kelvo.Id(), L"comctl32.dll"));
    EXPECT_EQ(WindowText(settings), L"KelvoTop");
    std::vector<LRESULT> rows;
    for (HWND list : ChildrenOfClass(settings, WC_LISTVIEWW)) rows.push_back(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(rows.size(), 2u);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), 1), 1) << "the custom list holds its entry";
    ClickButton(ChildWithText(settings, L"Cancel"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(settings); }));

    KelvoProcess second;
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_EQ(WaitForSettingsWindow(kelvo.Id()), settings);
    EXPECT_EQ(WindowsOfClass(kSettingsClass, kelvo.Id()).size(), 1u);
}

// Resting on Properties makes the window, hidden, before the click; leaving
// the popup shows nothing, and Properties then shows the window made.
TEST_F(StartUpTest, SettingsWindowIsMadeHiddenWhilePropertiesIsHighlighted) {
    KelvoProcess kelvo;
    HWND tray = kelvo.WaitUntilResident();
    ASSERT_NE(tray, nullptr);
    HWND popup = ShowPopupOf(tray, kelvo.Id());
    ASSERT_NE(popup, nullptr);
    PressKeys(popup, {VK_UP});
    PressKeys(popup, {VK_UP});
    ASSERT_TRUE(WaitUntil([&] { return SettingsWindowOf(kelvo.Id()) != nullptr; }));
    HWND made = SettingsWindowOf(kelvo.Id());
    EXPECT_FALSE(IsWindowVisible(made));
    EXPECT_TRUE(IsWindow(popup)) << "the popup stays while the window is made";
    PressKeys(popup, {VK_ESCAPE});
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(popup); }));
    EXPECT_FALSE(IsWindowVisible(made));
    EXPECT_EQ(ChooseProperties(tray, kelvo.Id()), made);
}

TEST_F(StartUpTest, ExitInThePopupEndsTheProgramAndTakesTheIconAlong) {
    KelvoProcess kelvo;
    HWND tray = kelvo.WaitUntilResident();
    ASSERT_NE(tray, nullptr);

    SendTrayMouse(tray, kRightButtonUp);
    HWND popup = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (popup = VisiblePopupOf(kelvo.Id())) != nullptr; }));
    PressKeys(popup, {VK_UP, VK_RETURN});  // "Exit" is the last row

    EXPECT_EQ(kelvo.WaitForExit(), 0u);
    EXPECT_FALSE(IconPlaced(tray));
}

// A restarted shell has lost every icon and says so to every window.
TEST_F(StartUpTest, IconIsPlacedAgainWhenTheTaskbarIsCreatedAnew) {
    KelvoProcess kelvo;
    HWND tray = kelvo.WaitUntilResident();
    ASSERT_NE(tray, nullptr);
    RemoveIconOf(tray);
    ASSERT_FALSE(IconPlaced(tray));

    PostMessageW(tray, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return IconPlaced(tray); }));
}

// A second start is the user's way back to a program whose icon the shell
// lost: it asks the first to put the icon back and open its settings.
TEST_F(StartUpTest, SecondStartPutsTheFirstsIconBackOpensItsSettingsWithFreshListsAndEnds) {
    FixtureFolder folder;
    folder.AddFile(L"A.txt");
    folder.AddFile(L"B.txt");
    StoreList(L"Desktop", {folder.ChoiceFor(L"A.txt")});
    KelvoProcess first;
    HWND tray = first.WaitUntilResident();
    ASSERT_NE(tray, nullptr);
    RemoveIconOf(tray);
    ASSERT_FALSE(IconPlaced(tray));
    // Stored since the first started.
    StoreList(L"Desktop", {folder.ChoiceFor(L"A.txt"), folder.ChoiceFor(L"B.txt")});

    KelvoProcess second;
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitForExit(), 0u);

    HWND settings = WaitForSettingsWindow(first.Id());
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(IconPlaced(tray));
    EXPECT_TRUE(first.IsRunning());
    EXPECT_EQ(WindowsOfClass(kSettingsClass).size(), 1u);
    std::vector<std::wstring> shown;
    for (HWND list : ChildrenOfClass(settings, WC_LISTVIEWW)) {
        if (IsWindowVisible(list)) shown = ListViewColumn(list, 0);
    }
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"A.txt", L"B.txt"}));
}

}  // namespace
}  // namespace kelvo::e2e
