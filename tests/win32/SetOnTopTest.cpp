#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/SetOnTop.h"

namespace kelvo {
namespace {

TEST(SetOnTop, PlacesSizesAndShowsTheWindowInTheGivenOrder) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);

    SetOnTop(-1, window);  // HWND_TOPMOST
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 100);
    EXPECT_EQ(rect.right - rect.left, 449);
    EXPECT_EQ(rect.bottom - rect.top, 300);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

    SetOnTop(-2, window);  // HWND_NOTOPMOST
    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    DestroyWindow(window);
}

}  // namespace
}  // namespace kelvo
