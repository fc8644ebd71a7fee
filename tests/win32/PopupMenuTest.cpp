#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "menus/MenuIds.h"
#include "menus/MenuLevel.h"
#include "menus/PopupLayout.h"
#include "platform/win32/Win32Popup.h"
#include "OwnerWindow.h"

namespace kelvo {
namespace {

// What the menu manager holds for one row.
struct RenderedRow {
    UINT type = 0;  // MFT_* flags
    UINT id = 0;
    std::wstring text;
    HMENU submenu = nullptr;
};

std::vector<RenderedRow> RowsOf(HMENU menu) {
    std::vector<RenderedRow> rows;
    for (int pos = 0; pos < GetMenuItemCount(menu); ++pos) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 255;
        GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &info);
        rows.push_back({info.fType, info.wID, text, info.hSubMenu});
    }
    return rows;
}

const char kUnicodeName[] = "\xC3\x9C" "berblick \xE2\x80\x93 \xE6\x97\xA5\xE6\x9C\xAC.txt";

// The popup's shape: custom entries, a column break, the "DeskTop" submenu
// and the two fixed commands.
class RenderMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        int pos = 0;
        level.InsertSeparator(pos++);
        level.InsertCommand(pos++, kCustomIdBase + 1, "R&D notes.txt");
        level.InsertCommand(pos++, kCustomIdBase + 2, kUnicodeName);
        level.InsertColumnBreak(pos++, kColumnBreakId);
        level.InsertSeparator(pos++);
        MenuLevel& desktop = level.InsertSubmenu(pos++, "DeskTop");
        level.InsertCommand(pos++, kPropertiesId, "Properties");
        level.InsertCommand(pos++, kExitId, "Exit");
        desktop.InsertSeparator(0);
        desktop.InsertCommand(1, kDesktopIdBase + 1, "&&.lnk");
        menu = RenderMenu(level);
    }
    void TearDown() override { DestroyMenu(menu); }

    MenuLevel level;
    HMENU menu = nullptr;
};

TEST_F(RenderMenuTest, EveryRowKeepsItsKindIdAndLiteralText) {
    const std::vector<RenderedRow> rows = RowsOf(menu);
    ASSERT_EQ(rows.size(), 8u);

    struct Expected {
        UINT type;
        UINT id;
        std::wstring text;
    };
    const Expected expected[] = {
        {MFT_SEPARATOR, 0, L""},
        {MFT_STRING, kCustomIdBase + 1, L"R&&D notes.txt"},
        {MFT_STRING, kCustomIdBase + 2, L"\u00DCberblick \u2013 \u65E5\u672C.txt"},
        {MFT_SEPARATOR | MFT_MENUBARBREAK, kColumnBreakId, L""},
        {MFT_SEPARATOR, 0, L""},
        {MFT_STRING, 0, L"DeskTop"},
        {MFT_STRING, kPropertiesId, L"Properties"},
        {MFT_STRING, kExitId, L"Exit"},
    };
    for (std::size_t pos = 0; pos < rows.size(); ++pos) {
        SCOPED_TRACE("position " + std::to_string(pos));
        EXPECT_EQ(rows[pos].type, expected[pos].type);
        if (rows[pos].submenu == nullptr) {
            EXPECT_EQ(rows[pos].id, expected[pos].id);
        }
        EXPECT_EQ(rows[pos].text, expected[pos].text);
    }
}

TEST_F(RenderMenuTest, CommandIdsAboveSixteenBitsComeBackWhole) {
    EXPECT_EQ(GetMenuItemID(menu, 1), static_cast<UINT>(kCustomIdBase + 1));
    EXPECT_EQ(GetMenuItemID(GetSubMenu(menu, 5), 1), static_cast<UINT>(kDesktopIdBase + 1));
}

TEST_F(RenderMenuTest, SubmenuIsRenderedWithItsOwnRows) {
    HMENU desktop = GetSubMenu(menu, 5);
    ASSERT_NE(desktop, nullptr);
    EXPECT_EQ(GetMenuItemID(menu, 5), static_cast<UINT>(-1));
    for (int pos : {0, 1, 2, 3, 4, 6, 7}) EXPECT_EQ(GetSubMenu(menu, pos), nullptr) << pos;

    const std::vector<RenderedRow> rows = RowsOf(desktop);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].type, static_cast<UINT>(MFT_SEPARATOR));
    EXPECT_EQ(rows[1].text, L"&&&&.lnk");
}

TEST(RenderMenu, EmptyLevelGivesAnEmptyMenu) {
    MenuLevel level;
    HMENU menu = RenderMenu(level);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 0);
    DestroyMenu(menu);
}

// The rows of `menu` and of its submenus, depth first, with the submenu
// handles left out: two menus with the same rows give the same text.
std::wstring Dump(HMENU menu) {
    std::wstring dump;
    for (const RenderedRow& row : RowsOf(menu)) {
        dump += std::to_wstring(row.type) + L"/" + std::to_wstring(row.submenu ? 0 : row.id) + L"/" + row.text;
        dump += row.submenu ? L"{" + Dump(row.submenu) + L"}\n" : L"\n";
    }
    return dump;
}

// The popup's shape laid out for `room`, every row 100 pixels wide: custom
// entries, a separator, the "DeskTop" submenu, Properties and Exit.
MenuLevel PopupWith(const std::vector<std::string>& custom, const std::vector<std::string>& desktop,
                    const PopupRoom& room = PopupRoom{40, 5000, 96}) {
    MenuLevel level;
    level.InsertSeparator(0);
    for (std::size_t k = 1; k <= custom.size(); ++k) {
        level.InsertCommand(static_cast<int>(k), kCustomIdBase + static_cast<int>(k), custom[k - 1]);
    }
    level.InsertSeparator(level.Count());
    MenuLevel& submenu = level.InsertSubmenu(level.Count(), "DeskTop");
    submenu.InsertSeparator(0);
    for (std::size_t k = 1; k <= desktop.size(); ++k) {
        submenu.InsertCommand(static_cast<int>(k), kDesktopIdBase + static_cast<int>(k), desktop[k - 1]);
    }
    level.InsertCommand(level.Count(), kPropertiesId, "Properties");
    level.InsertCommand(level.Count(), kExitId, "Exit");
    return LayOutPopup(level, room, [](const MenuItem&) { return 100; });
}

std::vector<std::string> Names(const std::string& stem, int count) {
    std::vector<std::string> names;
    for (int k = 1; k <= count; ++k) names.push_back(stem + std::to_string(k) + ".txt");
    return names;
}

// A menu prepared again holds what a menu built afresh from the new rows
// holds, whatever changed between the two preparations.
TEST(PopupPreparedAgain, HoldsWhatAFreshMenuHolds) {
    struct Case {
        const char* what;
        std::vector<std::string> customBefore, desktopBefore, customAfter, desktopAfter;
    };
    const Case cases[] = {
        {"nothing changed", Names("a", 3), Names("d", 2), Names("a", 3), Names("d", 2)},
        {"custom grows past a column", Names("a", 3), {}, Names("a", 40), {}},
        {"custom shrinks below a column", Names("a", 40), Names("d", 30), Names("a", 2), Names("d", 30)},
        {"every desktop name changes", Names("a", 2), Names("d", 50), Names("a", 2), Names("n", 50)},
        {"a row removed in the middle", {"x.txt", "y.txt", "z.txt"}, {}, {"x.txt", "z.txt"}, {}},
        {"both lists emptied", Names("a", 30), Names("d", 30), {}, {}},
        {"both lists filled", {}, {}, Names("a", 30), Names("R&D ", 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Win32Popup popup(nullptr);
        popup.Prepare(PopupWith(c.customBefore, c.desktopBefore));
        HMENU kept = popup.Menu();
        const MenuLevel after = PopupWith(c.customAfter, c.desktopAfter);
        popup.Prepare(after);
        HMENU fresh = RenderMenu(after);
        EXPECT_EQ(Dump(popup.Menu()), Dump(fresh));
        EXPECT_EQ(popup.Menu(), kept) << "the system menu is kept, not rebuilt";
        DestroyMenu(fresh);
    }
}

// The command ids of `menu` and its submenus, depth first.
void CollectIds(HMENU menu, std::vector<UINT>& ids) {
    for (const RenderedRow& row : RowsOf(menu)) {
        if (row.submenu != nullptr) {
            CollectIds(row.submenu, ids);
        } else if (row.id > static_cast<UINT>(kCustomIdBase)) {
            ids.push_back(row.id);
        }
    }
}

// Another monitor or scale gives columns of another height, or fewer of
// them, and the kept menu is prepared again: no row may be lost or doubled.
TEST(PopupPreparedAgain, ForAnotherRoomKeepsEveryRow) {
    const PopupRoom rooms[] = {{40, 5000, 96}, {10, 5000, 96}, {10, 350, 96}, {25, 700, 144}, {3, 250, 96}, {2, 100, 96}};
    const std::vector<std::string> custom = Names("c", 60);
    const std::vector<std::string> desktop = Names("d", 300);
    std::vector<UINT> expected;
    for (int k = 1; k <= 60; ++k) expected.push_back(static_cast<UINT>(kCustomIdBase + k));
    for (int k = 1; k <= 300; ++k) expected.push_back(static_cast<UINT>(kDesktopIdBase + k));
    Win32Popup popup(nullptr);
    for (const PopupRoom& room : rooms) {
        SCOPED_TRACE(std::to_string(room.rowsHigh) + " rows, " + std::to_string(room.width) + " pixels");
        const MenuLevel laidOut = PopupWith(custom, desktop, room);
        popup.Prepare(laidOut);
        HMENU fresh = RenderMenu(laidOut);
        EXPECT_EQ(Dump(popup.Menu()), Dump(fresh));
        DestroyMenu(fresh);
        std::vector<UINT> ids;
        CollectIds(popup.Menu(), ids);
        std::sort(ids.begin(), ids.end());
        EXPECT_EQ(ids, expected);
    }
}

// Below "More", the groups are submenus of their own; a new preparation
// changes their captions and rows in the menus it has.
TEST(PopupPreparedAgain, GroupsBelowMoreKeepTheirMenusWhenTheirCaptionsChange) {
    const PopupRoom room{5, 350, 96};  // 15 rows a level
    Win32Popup popup(nullptr);
    popup.Prepare(PopupWith({}, Names("d", 300), room));
    // The separators, then "DeskTop"; its last row is "More", whose first
    // row is a group of groups.
    const auto firstGroups = [&popup] {
        HMENU desktop = GetSubMenu(popup.Menu(), 2);
        HMENU more = GetSubMenu(desktop, GetMenuItemCount(desktop) - 1);
        HMENU groups = GetSubMenu(more, 0);
        return std::pair{groups, GetSubMenu(groups, 0)};
    };
    const std::pair kept = firstGroups();
    ASSERT_NE(kept.second, nullptr);
    const MenuLevel after = PopupWith({}, Names("n", 300), room);
    popup.Prepare(after);
    HMENU fresh = RenderMenu(after);
    EXPECT_EQ(Dump(popup.Menu()), Dump(fresh));
    DestroyMenu(fresh);
    EXPECT_EQ(firstGroups(), kept);
    EXPECT_EQ(RowsOf(kept.first).front().text, L"n14.txt \u2013 n28.txt");
    EXPECT_EQ(RowsOf(kept.second).front().text, L"n14.txt");
}

TEST(PopupPreparedAgain, RowsOfAnotherKindAreReplaced) {
    MenuLevel before;
    before.InsertCommand(0, kPropertiesId, "Properties");
    before.InsertSubmenu(1, "DeskTop").InsertCommand(0, kDesktopIdBase + 1, "one.txt");
    before.InsertCommand(2, kExitId, "Exit");
    MenuLevel after;
    after.InsertCommand(0, kPropertiesId, "Properties");
    after.InsertSeparator(1);
    after.InsertColumnBreak(2, kColumnBreakId);
    after.InsertCommand(3, kCustomIdBase + 1, "two.txt");
    after.InsertCommand(4, kExitId, "Exit");
    Win32Popup popup(nullptr);
    popup.Prepare(before);
    popup.Prepare(after);
    HMENU fresh = RenderMenu(after);
    EXPECT_EQ(Dump(popup.Menu()), Dump(fresh));
    DestroyMenu(fresh);
}

// Tracking runs the menu manager's own loop; keys already queued for this
// thread choose a row without a user.
class TrackTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override { DestroyWindow(owner); }

    void QueueKeys(std::initializer_list<WPARAM> keys) {
        for (WPARAM key : keys) {
            PostMessageW(owner, WM_KEYDOWN, key, 1);
            PostMessageW(owner, WM_KEYUP, key, 0xC0000001);
        }
    }

    HWND owner = nullptr;
};

TEST_F(TrackTest, ReturnsTheWholeIdOfTheChosenRow) {
    MenuLevel level;
    level.InsertCommand(0, kPropertiesId, "Properties");
    level.InsertCommand(1, kDesktopIdBase + 7, "seventh.lnk");
    Win32Popup popup(owner);
    popup.Prepare(level);
    QueueKeys({VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(popup.Track(PopupOpening::Mouse), kDesktopIdBase + 7);
    QueueKeys({VK_DOWN, VK_RETURN});
    EXPECT_EQ(popup.Track(PopupOpening::Mouse), kPropertiesId) << "the kept menu shows again";
}

BOOL CALLBACK AddIfShownMenu(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32768" && IsWindowVisible(window)) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    }
    return TRUE;
}

// The menu windows of this thread on screen.
std::vector<HWND> ShownMenuWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), AddIfShownMenu, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// What to do once the menu loop first waits, with the menu on screen.
std::function<void()> onMenuIdle;

LRESULT CALLBACK IdleOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && onMenuIdle) {
        std::exchange(onMenuIdle, nullptr)();
        PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Every row of `menu` lies inside its window, whose frame lies inside the
// work area of its monitor: no row was cut off, none is off the screen.
void ExpectEveryRowOnScreen(HMENU menu) {
    const std::vector<HWND> windows = ShownMenuWindows();
    ASSERT_EQ(windows.size(), 1u);
    RECT window{};
    GetWindowRect(windows.front(), &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(windows.front(), MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_GE(window.top, monitor.rcWork.top);
    EXPECT_LE(window.bottom, monitor.rcWork.bottom);
    EXPECT_GE(window.left, monitor.rcWork.left);
    EXPECT_LE(window.right, monitor.rcWork.right);
    for (int pos = 0; pos < GetMenuItemCount(menu); ++pos) {
        RECT row{};
        ASSERT_TRUE(GetMenuItemRect(nullptr, menu, static_cast<UINT>(pos), &row)) << pos;
        EXPECT_LE(row.bottom, window.bottom) << "row " << pos << " cut off below";
        EXPECT_LE(row.right, window.right) << "row " << pos << " cut off on the right";
    }
}

// Two columns as high as the room says rows fit, with a separator on top
// as at the top level: the system draws them inside the screen at any scale
// of the monitor, with the menu font and the theme it has.
TEST(PopupRoomOnScreen, ColumnsAsHighAsTheRoomSaysFitTheScreen) {
    HWND owner = MakeOwnerWindow(L"KelvoPopupRoomTest", IdleOwnerProc);
    ASSERT_NE(owner, nullptr);
    Win32Popup popup(owner);
    const PopupRoom room = popup.Room();
    ASSERT_GT(room.rowsHigh, 2);
    MenuLevel level;
    level.InsertSeparator(0);
    for (int k = 1; k < 2 * room.rowsHigh; ++k) {
        if (k == room.rowsHigh) level.InsertColumnBreak(level.Count(), kColumnBreakId);
        level.InsertCommand(level.Count(), kCustomIdBase + k, "Entry " + std::to_string(k) + ".txt");
    }
    popup.Prepare(level);
    onMenuIdle = [&popup] { ExpectEveryRowOnScreen(popup.Menu()); };
    SetCursorPos(0, 0);
    popup.Track(PopupOpening::Mouse);
    EXPECT_FALSE(onMenuIdle) << "the menu was never shown";
    DestroyWindow(owner);
    UnregisterClassW(L"KelvoPopupRoomTest", GetModuleHandleW(nullptr));
}

// The menu font as the system holds it for this session, and the popup's
// room before and after it changed: the popup is laid out again.
TEST(PopupRoomOnScreen, AnotherMenuFontAtTheSameScaleIsAnotherRoom) {
    NONCLIENTMETRICSW saved{};
    saved.cbSize = sizeof saved;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0));
    Win32Popup popup(nullptr);
    const PopupRoom before = popup.Room();
    EXPECT_EQ(popup.Room(), before) << "nothing changed";

    NONCLIENTMETRICSW larger = saved;
    larger.lfMenuFont.lfHeight = 3 * (saved.lfMenuFont.lfHeight == 0 ? -12 : saved.lfMenuFont.lfHeight);
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof larger, &larger, 0));
    const PopupRoom changed = popup.Room();
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, 0);
    const PopupRoom restored = popup.Room();

    EXPECT_EQ(changed.dpi, before.dpi);
    EXPECT_NE(changed.rowMetrics, before.rowMetrics);
    EXPECT_LT(changed.rowsHigh, before.rowsHigh) << "a taller font, fewer rows";
    EXPECT_NE(restored.rowMetrics, changed.rowMetrics);
    EXPECT_EQ(restored.rowsHigh, before.rowsHigh);
}

// The popup whose rows the owner tells apart, and the whole ids it told.
Win32Popup* highlightsOf = nullptr;
std::vector<int> highlighted;

LRESULT CALLBACK HighlightOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MENUSELECT && !(HIWORD(wParam) & MF_POPUP) && lParam != 0 && highlightsOf != nullptr) {
        highlighted.push_back(highlightsOf->HighlightedRowId(reinterpret_cast<HMENU>(lParam), LOWORD(wParam)).value_or(0));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// WM_MENUSELECT brings the low 16 bits of a row's id, which the first
// custom entry, the first desktop entry and the first folder row share with
// Properties: each highlighted row is still told by its whole id.
TEST(PopupHighlight, EachHighlightedRowIsToldByItsWholeId) {
    HWND owner = MakeOwnerWindow(L"KelvoHighlightTest", HighlightOwnerProc);
    ASSERT_NE(owner, nullptr);
    const std::vector<int> ids{kCustomIdBase + 1, kFolderIdBase + 1, kDesktopIdBase + 1, kPropertiesId, kExitId};
    MenuLevel level;
    for (int id : ids) level.InsertCommand(level.Count(), id, "Row " + std::to_string(id));
    Win32Popup popup(owner);
    popup.Prepare(level);
    highlightsOf = &popup;
    highlighted.clear();
    for (std::size_t k = 0; k < ids.size(); ++k) PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageW(owner, WM_KEYDOWN, VK_ESCAPE, 1);
    popup.Track(PopupOpening::Mouse);
    highlightsOf = nullptr;
    EXPECT_EQ(highlighted, ids);
    HMENU other = CreatePopupMenu();
    EXPECT_EQ(popup.HighlightedRowId(other, 1), std::nullopt) << "another menu";
    DestroyMenu(other);
    DestroyWindow(owner);
}

// A window of class "#32768" made by another thread, as another program's
// menu would be; it lives until `done` is set.
class OtherThreadsMenuWindow {
public:
    OtherThreadsMenuWindow()
        : made_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        thread_ = std::thread([this] {
            window_ = CreateWindowExW(0, L"#32768", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
            SetEvent(made_);
            WaitForSingleObject(done_, INFINITE);
            DestroyWindow(window_);
        });
        WaitForSingleObject(made_, INFINITE);
    }
    ~OtherThreadsMenuWindow() {
        SetEvent(done_);
        thread_.join();
        CloseHandle(made_);
        CloseHandle(done_);
    }
    OtherThreadsMenuWindow(const OtherThreadsMenuWindow&) = delete;
    OtherThreadsMenuWindow& operator=(const OtherThreadsMenuWindow&) = delete;
    HWND Handle() const { return window_; }

private:
    HANDLE made_;
    HANDLE done_;
    HWND window_ = nullptr;
    std::thread thread_;
};

// The right-button hook asks only a menu window of this thread which menu it
// shows: not another thread's menu, nor this thread's other windows.
TEST(RightButtonHook, AsksOnlyThisThreadsMenuWindows) {
    HWND owner = MakeOwnerWindow(L"KelvoRightButtonHookTest", IdleOwnerProc);
    ASSERT_NE(owner, nullptr);
    MenuLevel level;
    level.InsertCommand(0, kExitId, "Exit");
    Win32Popup popup(owner);
    popup.Prepare(level);
    std::vector<bool> shownAreOwn;
    onMenuIdle = [&] {
        for (HWND window : ShownMenuWindows()) shownAreOwn.push_back(IsMenuWindowOfThisThread(window));
    };
    popup.Track(PopupOpening::Mouse);
    EXPECT_EQ(shownAreOwn, std::vector<bool>{true}) << "the popup's window";
    EXPECT_FALSE(IsMenuWindowOfThisThread(owner)) << "a window of this thread that shows no menu";
    const OtherThreadsMenuWindow other;
    ASSERT_NE(other.Handle(), nullptr);
    EXPECT_FALSE(IsMenuWindowOfThisThread(other.Handle())) << "another thread's menu window";
    EXPECT_FALSE(IsMenuWindowOfThisThread(nullptr));
    DestroyWindow(owner);
}

TEST_F(TrackTest, DismissedMenuGivesZero) {
    MenuLevel level;
    level.InsertCommand(0, kExitId, "Exit");
    Win32Popup popup(owner);
    popup.Prepare(level);
    QueueKeys({VK_ESCAPE});
    EXPECT_EQ(popup.Track(PopupOpening::Mouse), 0);
}

}  // namespace
}  // namespace kelvo
