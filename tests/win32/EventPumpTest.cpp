#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/Win32EventPump.h"
#include "OwnerWindow.h"

namespace kelvo {
namespace {

// A window that counts the WM_USER messages dispatched to it.
class EventPumpTest : public ::testing::Test {
protected:
    static LRESULT CALLBACK Count(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_USER) ++dispatched;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    void SetUp() override {
        window = MakeOwnerWindow(L"KelvoPumpCounter", Count);
        ASSERT_NE(window, nullptr);
        dispatched = 0;
        MSG stale;
        while (PeekMessageW(&stale, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    void TearDown() override { DestroyWindow(window); }

    static inline int dispatched = 0;
    HWND window = nullptr;
    Win32EventPump pump;
};

TEST_F(EventPumpTest, RunsEveryQueuedMessageAndReturns) {
    for (int i = 0; i < 3; ++i) PostMessageW(window, WM_USER, 0, 0);
    pump.RunPending();
    EXPECT_EQ(dispatched, 3);
    MSG left;
    EXPECT_FALSE(PeekMessageW(&left, window, WM_USER, WM_USER, PM_NOREMOVE));
}

TEST_F(EventPumpTest, LeavesTheQuitRequestToTheMainLoop) {
    PostMessageW(window, WM_USER, 0, 0);
    PostQuitMessage(7);
    pump.RunPending();

    MSG next{};
    ASSERT_TRUE(PeekMessageW(&next, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(next.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(next.wParam, 7u);
    EXPECT_EQ(dispatched, 1);
}

TEST_F(EventPumpTest, ProgramEndAsksTheMainLoopToQuit) {
    Win32Program().End();
    MSG next{};
    ASSERT_TRUE(PeekMessageW(&next, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(next.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(next.wParam, 0u);
}

}  // namespace
}  // namespace kelvo
