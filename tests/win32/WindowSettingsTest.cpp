#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/SettingsWindow.h"
#include "platform/win32/Twips.h"
#include "platform/win32/Win32SettingsExtras.h"
#include "settings/Layout.h"

namespace kelvo {
namespace {

// A control's rectangle relative to its parent's client area.
RECT RectInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

class SettingsWindowTest : public ::testing::Test {
protected:
    void SetUp() override { dpi = WindowDpi(settings.Handle()); }

    HWND Control(std::string_view name) const {
        HWND control = settings.ControlHandle(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    // Clicks the tab's caption as the user would.
    void ClickTab(int tab) {
        HWND tabs = Control("tabs");
        RECT item;
        SendMessageW(tabs, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(tabs, WM_LBUTTONUP, 0, at);
    }
    COLORREF ColourOf(std::string_view list, UINT message) const {
        return static_cast<COLORREF>(SendMessageW(Control(list), message, 0, 0));
    }

    SettingsWindow settings{GetModuleHandleW(nullptr)};
    int dpi = 96;
};

TEST_F(SettingsWindowTest, IsCreatedHiddenWithAFixedBorderAndNoTitleBarButtons) {
    HWND window = settings.Handle();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_FALSE(settings.AsWindow().IsVisible());
    EXPECT_EQ(TextOf(window), L"KelvoTop");
    const auto style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(GetMenu(window), nullptr);
}

TEST_F(SettingsWindowTest, ClientAreaIs6645By4110Twips) {
    if (dpi != 96) GTEST_SKIP() << "pixel sizes are checked at 96 dpi, not " << dpi;
    const SIZE client = ClientSize(settings.Handle());
    EXPECT_EQ(client.cx, 443);
    EXPECT_EQ(client.cy, 274);
}

struct PlacedControl {
    const char* name;
    RECT pixels;  // at 96 dpi, relative to the parent window's client area
};

// Page controls are measured from the tab control at (0, 0); the About
// panel's contents from the panel.
const PlacedControl kPlacedControls[] = {
    {"tabs", {0, 0, 441, 246}},
    {"cmdKelvoTopHelp", {5, 250, 61, 271}},
    {"cmdOK", {280, 250, 356, 271}},
    {"helpPane", {445, 0, 626, 271}},
    {"desktopList", {15, 35, 361, 211}},
    {"Label1", {375, 80, 426, 96}},
    {"cmdLoadDeskTop", {275, 220, 426, 241}},
    {"customList", {10, 50, 361, 231}},
    {"cmdStartExplorer", {275, 220, 426, 241}},
    {"panel", {100, 40, 346, 136}},
    {"Label6(0)", {30, 195, 426, 226}},
    {"Image1", {15, 25, 47, 57}},
    {"Label3", {85, 35, 196, 56}},
    {"Label10(0)", {45, 70, 231, 86}},
};

TEST_F(SettingsWindowTest, ControlsStandWhereTheirTwipsSay) {
    if (dpi != 96) GTEST_SKIP() << "pixel sizes are checked at 96 dpi, not " << dpi;
    for (const PlacedControl& placed : kPlacedControls) {
        const RECT rect = RectInParent(Control(placed.name));
        EXPECT_EQ(rect.left, placed.pixels.left) << placed.name;
        EXPECT_EQ(rect.top, placed.pixels.top) << placed.name;
        EXPECT_EQ(rect.right, placed.pixels.right) << placed.name;
        EXPECT_EQ(rect.bottom, placed.pixels.bottom) << placed.name;
    }
}

TEST_F(SettingsWindowTest, AboutPanelHoldsItsContents) {
    HWND panel = Control("panel");
    for (const char* name : {"Image1", "Label3", "Label4", "Label2", "Label10(0)"})
        EXPECT_EQ(GetParent(Control(name)), panel) << name;
}

TEST_F(SettingsWindowTest, CaptionsAndTabs) {
    EXPECT_EQ(TextOf(Control("cmdLoadDeskTop")), L"Load DeskTop ");
    EXPECT_EQ(TextOf(Control("cmdStartExplorer")), L"Launch Explorer");
    EXPECT_EQ(TextOf(Control("Label3")), L"Kelvo Desktop");
    EXPECT_EQ(TextOf(Control("chkStartAtSignIn")), L"Start KelvoTop when I sign in");
    EXPECT_EQ(TextOf(Control("lblMenuKey")), L"Key to open the menu");
    EXPECT_EQ(TextOf(Control("chkFolderMenus")), L"Show folders as submenus");
    HWND tabs = Control("tabs");
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
    const wchar_t* captions[] = {L"Desktop KelvoMenu", L"Custom KelvoMenu", L"About", L"Options"};
    for (int tab = 0; tab < 4; ++tab) {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(tabs, TCM_GETITEMW, tab, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, captions[tab]);
    }
}

// Which controls show on each tab; the rest of the window always shows.
const std::vector<std::vector<const char*>> kPages = {
    {"desktopList", "cmdDesktopMoveUp", "Label1", "cmdDesktopMoveDown", "cmdDesktopRemoveItem",
     "cmdLoadDeskTop"},
    {"customList", "cmdCustomMoveUp", "Label5", "cmdCustomMoveDown", "cmdCustomRemoveItem",
     "cmdStartExplorer"},
    {"panel", "Label7(0)", "Label7(1)", "Label6(0)", "Image1", "Label3", "Label4", "Label2",
     "Label10(0)"},
};
const char* const kAlwaysShown[] = {"tabs", "cmdKelvoTopHelp", "cmdExit", "cmdOK", "cmdCancel",
                                    "helpPane"};

class SettingsTabsTest : public SettingsWindowTest {
protected:
    void SetUp() override {
        SettingsWindowTest::SetUp();
        settings.AsWindow().Show();
    }
    void ExpectOnlyPageShown(int tab) {
        for (int page = 0; page < static_cast<int>(kPages.size()); ++page)
            for (const char* name : kPages[static_cast<std::size_t>(page)])
                EXPECT_EQ(IsWindowVisible(Control(name)) != FALSE, page == tab)
                    << name << " with tab " << tab << " selected";
        for (const char* name : kAlwaysShown)
            EXPECT_TRUE(IsWindowVisible(Control(name))) << name << " with tab " << tab;
    }
};

TEST_F(SettingsTabsTest, TheFirstTabShowsAtFirst) {
    EXPECT_EQ(settings.Tabs().Selected(), 0);
    ExpectOnlyPageShown(0);
}

TEST_F(SettingsTabsTest, SelectingEachTabShowsOnlyItsControls) {
    for (int tab : {2, 1, 0, 2, 0, 1}) {
        settings.Tabs().Select(tab);
        EXPECT_EQ(settings.Tabs().Selected(), tab);
        ExpectOnlyPageShown(tab);
    }
}

TEST_F(SettingsTabsTest, ClickingATabShowsItsPageAndReportsIt) {
    std::vector<int> reported;
    settings.onTabChange = [&reported](int tab) { reported.push_back(tab); };
    ClickTab(1);
    ExpectOnlyPageShown(1);
    ClickTab(2);
    ExpectOnlyPageShown(2);
    EXPECT_EQ(reported, (std::vector<int>{1, 2}));
    settings.Tabs().Select(0);
    EXPECT_EQ(reported.size(), 2u) << "selecting from the program raises no event";
}

// Keyboard order is the order of the Tab order column, except that the tab
// control comes last (it lies beneath its pages) and "Launch Explorer" comes
// right before the list whose corner it covers.
TEST_F(SettingsWindowTest, KeyboardOrderFollowsTheTabOrder) {
    std::vector<std::string> order;
    for (HWND child = GetWindow(settings.Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!(GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP)) continue;
        for (const layout::Control& control : layout::Desktop().controls)
            if (settings.ControlHandle(control.name) == child) order.emplace_back(control.name);
    }
    const std::vector<std::string> expected = {
        "desktopList", "cmdCancel", "cmdOK", "cmdExit", "cmdDesktopRemoveItem", "cmdLoadDeskTop",
        "cmdStartExplorer", "customList", "cmdDesktopMoveUp", "cmdDesktopMoveDown",
        "cmdCustomMoveUp", "cmdCustomMoveDown", "cmdCustomRemoveItem", "cmdKelvoTopHelp",
        "helpPane", "chkStartAtSignIn", "hkyMenuKey", "chkFolderMenus", "chkMenuIcons", "tabs"};
    EXPECT_EQ(order, expected);
}

struct ButtonCase {
    const char* name;
    SettingsCommand button;
};

const ButtonCase kButtons[] = {
    {"cmdKelvoTopHelp", SettingsCommand::Help},
    {"cmdExit", SettingsCommand::Exit},
    {"cmdOK", SettingsCommand::OK},
    {"cmdCancel", SettingsCommand::Cancel},
    {"cmdDesktopMoveUp", SettingsCommand::DesktopMoveUp},
    {"cmdDesktopMoveDown", SettingsCommand::DesktopMoveDown},
    {"cmdDesktopRemoveItem", SettingsCommand::DesktopRemoveItem},
    {"cmdLoadDeskTop", SettingsCommand::LoadDeskTop},
    {"cmdCustomMoveUp", SettingsCommand::CustomMoveUp},
    {"cmdCustomMoveDown", SettingsCommand::CustomMoveDown},
    {"cmdCustomRemoveItem", SettingsCommand::CustomRemoveItem},
    {"cmdStartExplorer", SettingsCommand::StartExplorer},
};

TEST_F(SettingsWindowTest, EachButtonReportsItself) {
    std::optional<SettingsCommand> clicked;
    settings.onClick = [&clicked](SettingsCommand button) { clicked = button; };
    for (const ButtonCase& each : kButtons) {
        clicked.reset();
        SendMessageW(Control(each.name), BM_CLICK, 0, 0);
        ASSERT_TRUE(clicked.has_value()) << each.name;
        EXPECT_EQ(*clicked, each.button) << each.name;
    }
}

TEST_F(SettingsWindowTest, ButtonsEnableAndDisable) {
    for (const ButtonCase& each : kButtons) {
        Button& button = settings.ButtonOf(each.button);
        button.Enable(false);
        EXPECT_FALSE(button.IsEnabled()) << each.name;
        EXPECT_FALSE(IsWindowEnabled(Control(each.name))) << each.name;
        button.Enable(true);
        EXPECT_TRUE(IsWindowEnabled(Control(each.name))) << each.name;
    }
}

TEST_F(SettingsWindowTest, ListClicksNameTheirList) {
    std::vector<int> lists;
    settings.onListSelection = [&lists](int list) { lists.push_back(list); };
    for (const char* name : {"customList", "desktopList"}) {
        NMHDR click{Control(name), static_cast<UINT_PTR>(GetDlgCtrlID(Control(name))),
                    static_cast<UINT>(NM_CLICK)};
        SendMessageW(settings.Handle(), WM_NOTIFY, click.idFrom, reinterpret_cast<LPARAM>(&click));
    }
    EXPECT_EQ(lists, (std::vector<int>{2, 1}));
}

TEST_F(SettingsWindowTest, EveryMessageIsOfferedFirst) {
    bool clicked = false;
    settings.onClick = [&clicked](SettingsCommand) { clicked = true; };
    std::vector<UINT> offered;
    settings.onMessage = [&offered](UINT message, WPARAM, LPARAM, LRESULT& result) {
        offered.push_back(message);
        result = 0x601;
        return message == WM_COMMAND || message == 0x0601;
    };
    SendMessageW(Control("cmdOK"), BM_CLICK, 0, 0);
    EXPECT_FALSE(clicked) << "a handled message goes no further";
    EXPECT_EQ(SendMessageW(settings.Handle(), 0x0601, 0, WM_RBUTTONUP), 0x601);
    EXPECT_NE(std::find(offered.begin(), offered.end(), 0x0601u), offered.end());
}

TEST_F(SettingsWindowTest, ListViewsKeepTheirColours) {
    EXPECT_EQ(ColourOf("desktopList", LVM_GETTEXTCOLOR), RGB(0, 0, 128));
    EXPECT_EQ(ColourOf("desktopList", LVM_GETBKCOLOR), RGB(255, 255, 255));
    EXPECT_EQ(ColourOf("customList", LVM_GETTEXTCOLOR), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(ColourOf("customList", LVM_GETBKCOLOR), GetSysColor(COLOR_WINDOW));
}

TEST_F(SettingsWindowTest, HelpPaneIsPaintedYellow) {
    HWND help = Control("helpPane");
    HDC dc = GetDC(help);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        settings.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(help)));
    const COLORREF background = GetBkColor(dc);
    ReleaseDC(help, dc);
    LOGBRUSH look{};
    ASSERT_NE(GetObjectW(brush, sizeof(look), &look), 0);
    EXPECT_EQ(look.lbColor, RGB(255, 255, 0));
    EXPECT_EQ(background, RGB(255, 255, 0));
}

TEST_F(SettingsWindowTest, HelpTextIsSet) {
    Win32TextBox help(Control("helpPane"));
    help.SetText("Press <OK> \xE2\x80\x93 or <Cancel> ");
    EXPECT_EQ(TextOf(Control("helpPane")), L"Press <OK> \x2013 or <Cancel> ");
    EXPECT_EQ(help.Text(), "Press <OK> \xE2\x80\x93 or <Cancel> ");
}

struct FontCase {
    const char* name;
    const wchar_t* face;
    int height;  // pixels at 96 dpi, as LOGFONT gives it (negative: character height)
    bool bold;
    bool italic;
};

const FontCase kFonts[] = {
    {"cmdOK", L"MS Sans Serif", -11, false, false},
    {"desktopList", L"MS Sans Serif", -11, false, false},
    {"tabs", L"MS Sans Serif", -11, false, false},
    {"Label3", L"Arial", -13, true, true},
    {"Label7(0)", L"MS Sans Serif", -18, false, false},
    {"Label6(0)", L"MS Sans Serif", -18, true, false},
};

TEST_F(SettingsWindowTest, ControlsUseTheirFonts) {
    if (dpi != 96) GTEST_SKIP() << "pixel sizes are checked at 96 dpi, not " << dpi;
    for (const FontCase& each : kFonts) {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(Control(each.name), WM_GETFONT, 0, 0));
        LOGFONTW logical{};
        ASSERT_NE(GetObjectW(font, sizeof(logical), &logical), 0) << each.name;
        EXPECT_STREQ(logical.lfFaceName, each.face) << each.name;
        EXPECT_EQ(logical.lfHeight, each.height) << each.name;
        EXPECT_EQ(logical.lfWeight >= FW_BOLD, each.bold) << each.name;
        EXPECT_EQ(logical.lfItalic != 0, each.italic) << each.name;
    }
}

TEST_F(SettingsWindowTest, WideningShowsTheHelpPaneAndNarrowingHidesIt) {
    HWND window = settings.Handle();
    RECT before;
    GetWindowRect(window, &before);
    auto helpInView = [&] {
        RECT client;
        GetClientRect(window, &client);
        const RECT help = RectInParent(Control("helpPane"));
        return help.left >= client.left && help.right <= client.right;
    };
    EXPECT_FALSE(helpInView());

    settings.AsWindow().WidenBy(2800);
    RECT wide;
    GetWindowRect(window, &wide);
    EXPECT_EQ(wide.right - wide.left, before.right - before.left + TwipsToPixels(2800, dpi));
    EXPECT_EQ(wide.left, before.left) << "the window grows to the right";
    EXPECT_TRUE(helpInView());

    settings.AsWindow().WidenBy(-2800);
    RECT after;
    GetWindowRect(window, &after);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    EXPECT_FALSE(helpInView());
}

TEST_F(SettingsWindowTest, CentresOnItsScreenAndShowsNormally) {
    HWND window = settings.Handle();
    settings.AsWindow().Centre();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT rect;
    GetWindowRect(window, &rect);
    const RECT& screen = monitor.rcMonitor;
    EXPECT_EQ(rect.left - screen.left,
              (screen.right - screen.left - (rect.right - rect.left)) / 2);
    EXPECT_EQ(rect.top - screen.top, (screen.bottom - screen.top - (rect.bottom - rect.top)) / 2);

    ShowWindow(window, SW_MINIMIZE);
    settings.AsWindow().Show();
    EXPECT_TRUE(settings.AsWindow().IsVisible());
    EXPECT_FALSE(IsIconic(window));
    settings.AsWindow().Hide();
    EXPECT_FALSE(settings.AsWindow().IsVisible());
}

TEST_F(SettingsWindowTest, ProgramIconsHaveTheSystemSizes) {
    for (bool small : {false, true}) {
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(settings.ProgramIcon(small), &info));
        BITMAP mask{};
        GetObjectW(info.hbmMask, sizeof(mask), &mask);
        EXPECT_EQ(mask.bmWidth, MetricForDpi(small ? SM_CXSMICON : SM_CXICON, WindowDpi(settings.Handle())));
        DeleteObject(info.hbmMask);
        if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    }
}

}  // namespace
}  // namespace kelvo
