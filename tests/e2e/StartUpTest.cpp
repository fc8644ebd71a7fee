#include <gtest/gtest.h>

#include "E2eSupport.h"

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

TEST_F(StartUpTest, SecondStartEndsAtOnceAndLeavesTheFirstAlone) {
    KelvoProcess first;
    HWND settings = first.WaitUntilResident();
    ASSERT_NE(settings, nullptr);

    KelvoProcess second;
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitForExit(), 0u);

    EXPECT_TRUE(first.IsRunning());
    EXPECT_EQ(WindowsOfClass(kSettingsClass).size(), 1u);
    EXPECT_TRUE(IconPlaced(settings));
}

}  // namespace
}  // namespace kelvo::e2e
