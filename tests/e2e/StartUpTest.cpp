#include "E2eSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

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
    HWND settings = kelvo.WaitUntilResident();
    ASSERT_NE(settings, nullptr);

    EXPECT_FALSE(IsWindowVisible(settings));
    EXPECT_EQ(WindowText(settings), L"KelvoTop");
    EXPECT_EQ(StoredValue(L"Desktop", L"MenuChoice1"), L"Done");
    EXPECT_EQ(StoredValue(L"Custom", L"MenuChoice1"), L"Done");
}

TEST_F(StartUpTest, ExitInThePopupEndsTheProgramAndTakesTheIconAlong) {
    KelvoProcess kelvo;
    HWND settings = kelvo.WaitUntilResident();
    ASSERT_NE(settings, nullptr);

    SendTrayMouse(settings, kRightButtonUp);
    HWND popup = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (popup = VisiblePopupOf(kelvo.Id())) != nullptr; }));
    PressKeys(popup, {VK_UP, VK_RETURN});  // "Exit" is the last row

    EXPECT_EQ(kelvo.WaitForExit(), 0u);
    EXPECT_FALSE(IsWindow(settings));
    EXPECT_FALSE(IconPlaced(settings));
}

// A restarted shell has lost every icon and says so to every window.
TEST_F(StartUpTest, IconIsPlacedAgainWhenTheTaskbarIsCreatedAnew) {
    KelvoProcess kelvo;
    HWND settings = kelvo.WaitUntilResident();
    ASSERT_NE(settings, nullptr);
    RemoveIconOf(settings);
    ASSERT_FALSE(IconPlaced(settings));

    PostMessageW(settings, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return IconPlaced(settings); }));
}

// A second start is the user's way back to a program whose icon the shell
// lost: it asks the first to put the icon back and open its settings.
TEST_F(StartUpTest, SecondStartPutsTheFirstsIconBackOpensItsSettingsWithFreshListsAndEnds) {
    FixtureFolder folder;
    folder.AddFile(L"A.txt");
    folder.AddFile(L"B.txt");
    StoreList(L"Desktop", {folder.ChoiceFor(L"A.txt")});
    KelvoProcess first;
    HWND settings = first.WaitUntilResident();
    ASSERT_NE(settings, nullptr);
    RemoveIconOf(settings);
    ASSERT_FALSE(IconPlaced(settings));
    // Stored since the first started.
    StoreList(L"Desktop", {folder.ChoiceFor(L"A.txt"), folder.ChoiceFor(L"B.txt")});

    KelvoProcess second;
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitForExit(), 0u);

    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(settings) != FALSE; }));
    EXPECT_TRUE(IconPlaced(settings));
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
