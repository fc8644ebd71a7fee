#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "platform/win32/Win32Taskbar.h"

namespace kelvo {
namespace {

// The shell accepts a change to an icon only while that icon is placed, so a
// change of nothing tells whether the icon is there.
bool IconIsPlaced(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = 0;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

class TaskbarIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner = CreateWindowExW(0, L"STATIC", L"icon owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override { DestroyWindow(owner); }

    HWND owner = nullptr;
};

TEST_F(TaskbarIconTest, IconIsPlacedUntilRemoved) {
    Win32Taskbar taskbar(owner, LoadIconW(nullptr, IDI_APPLICATION));
    ASSERT_TRUE(taskbar.IsPresent());
    EXPECT_FALSE(IconIsPlaced(owner));

    taskbar.AddIcon();
    EXPECT_TRUE(IconIsPlaced(owner));

    taskbar.RemoveIcon();
    EXPECT_FALSE(IconIsPlaced(owner));
}

}  // namespace
}  // namespace kelvo
