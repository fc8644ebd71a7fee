#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/SettingsWindow.h"
#include "platform/win32/Twips.h"

namespace kelvo {
namespace {

struct NoticeCase {
    const char* name;
    NoticeKind kind;
    int clientWidth;  // twips
    int clientHeight;
};

class NoticeWindowTest : public ::testing::TestWithParam<NoticeCase> {
protected:
    NoticeWindow notice{GetModuleHandleW(nullptr), GetParam().kind};
};

TEST_P(NoticeWindowTest, HasNoBorderOrTitleBarAndTheClientSizeOfItsLayout) {
    HWND window = notice.Handle();
    const auto style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU));
    const int dpi = WindowDpi(window);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, TwipsToPixels(GetParam().clientWidth, dpi));
    EXPECT_EQ(client.bottom, TwipsToPixels(GetParam().clientHeight, dpi));
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, client.right) << "no frame around the client area";
}

TEST_P(NoticeWindowTest, ShowsCentredAndHides) {
    Window& window = notice.AsWindow();
    EXPECT_FALSE(window.IsVisible());
    window.Show();
    EXPECT_TRUE(window.IsVisible());
    RECT rect;
    GetWindowRect(notice.Handle(), &rect);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(notice.Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& screen = monitor.rcMonitor;
    EXPECT_EQ(rect.left - screen.left, (screen.right - screen.left - (rect.right - rect.left)) / 2);
    EXPECT_EQ(rect.top - screen.top, (screen.bottom - screen.top - (rect.bottom - rect.top)) / 2);
    window.Hide();
    EXPECT_FALSE(window.IsVisible());
}

// A notice shown at sign-in or over the settings window must not take the
// keyboard from the window the user is typing in.
TEST_P(NoticeWindowTest, LeavesTheFocusWhereItWas) {
    HWND working = CreateWindowExW(0, L"STATIC", L"working", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(working, nullptr);
    ShowWindow(working, SW_SHOWNORMAL);
    SetForegroundWindow(working);
    ASSERT_EQ(GetActiveWindow(), working);
    notice.AsWindow().Show();
    EXPECT_TRUE(notice.AsWindow().IsVisible());
    EXPECT_EQ(GetActiveWindow(), working);
    notice.AsWindow().Hide();
    DestroyWindow(working);
}

INSTANTIATE_TEST_SUITE_P(Notices, NoticeWindowTest,
                         ::testing::Values(NoticeCase{"Wait", NoticeKind::Wait, 3540, 720},
                                           NoticeCase{"Logo", NoticeKind::Logo, 3450, 1365}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WaitNoticeTest, PanelCarriesTheMessageInBlackOnTeal) {
    NoticeWindow notice{GetModuleHandleW(nullptr), NoticeKind::Wait};
    HWND panel = FindWindowExW(notice.Handle(), nullptr, L"KelvoPanel", nullptr);
    ASSERT_NE(panel, nullptr);
    wchar_t text[128] = {};
    GetWindowTextW(panel, text, 128);
    EXPECT_STREQ(text, L"Please Wait..... Updating Your Choices  ");
    notice.AsWindow().Show();
    // Sample the panel's own paint, right of the icon and below the text.
    RECT area;
    GetClientRect(panel, &area);
    HDC dc = GetDC(panel);
    const COLORREF fill = GetPixel(dc, area.right / 2, area.bottom - 6);
    ReleaseDC(panel, dc);
    EXPECT_EQ(fill, RGB(0, 128, 128));
}

TEST(WaitNoticeTest, IconShowsThePanelThroughItsTransparentParts) {
    NoticeWindow notice{GetModuleHandleW(nullptr), NoticeKind::Wait};
    HWND panel = FindWindowExW(notice.Handle(), nullptr, L"KelvoPanel", nullptr);
    ASSERT_NE(panel, nullptr);
    HWND icon = GetWindow(panel, GW_CHILD);
    ASSERT_NE(icon, nullptr);
    HDC dc = GetDC(icon);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        panel, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(icon)));
    ReleaseDC(icon, dc);
    LOGBRUSH look{};
    ASSERT_NE(GetObjectW(brush, sizeof(look), &look), 0);
    EXPECT_EQ(look.lbColor, RGB(0, 128, 128));
}

}  // namespace
}  // namespace kelvo
