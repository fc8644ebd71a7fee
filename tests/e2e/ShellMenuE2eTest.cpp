#include "E2eSupport.h"

#include <shellapi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace kelvo::e2e {
namespace {

// The files that the clipboard holds as dropped files.
std::vector<std::wstring> FilesOnClipboard() {
    std::vector<std::wstring> files;
    if (!OpenClipboard(nullptr)) return files;
    if (const auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP))) {
        for (UINT k = 0; k < DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0); ++k) {
            std::wstring name(DragQueryFileW(drop, k, nullptr, 0) + 1, L'\0');
            name.resize(DragQueryFileW(drop, k, name.data(), static_cast<UINT>(name.size())));
            files.push_back(name);
        }
    }
    CloseClipboard();
    return files;
}

void EmptyTheClipboard() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    CloseClipboard();
}

// The program resident with a custom list of five entries, files of the
// fixture folder, made there when `made`: enough rows below the popup's top
// that a release two rows down lands on one of them.
class ShellMenuE2eTest : public ::testing::Test {
protected:
    void Start(bool made) {
        ClearStore();
        RouteTextFilesToRecorder();
        EmptyTheClipboard();
        std::vector<std::wstring> choices;
        for (const std::wstring& name : names) {
            if (made) folder.AddFile(name);
            choices.push_back(folder.ChoiceFor(name));
        }
        StoreList(L"Custom", choices);
        kelvo = std::make_unique<KelvoProcess>();
        tray = kelvo->WaitUntilResident();
        ASSERT_NE(tray, nullptr);
    }
    // Shows the popup and releases the right button `down` pixels below its
    // top, or above its bottom where negative.
    bool RightReleaseAt(int down) {
        popup = ShowPopupOf(tray, kelvo->Id());
        if (popup == nullptr) return false;
        RECT rect{};
        GetWindowRect(popup, &rect);
        const POINT row{(rect.left + rect.right) / 2, down >= 0 ? rect.top + down : rect.bottom + down};
        released = row;
        // The menu loop takes a posted button's place from the pointer as it
        // is then: the pointer must be there first.
        SetCursorPos(row.x, row.y);
        if (!WaitUntil([&] {
                POINT at{};
                GetCursorPos(&at);
                return at.x == row.x && at.y == row.y;
            })) {
            return false;
        }
        PostMessageW(popup, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(row.x, row.y));
        PostMessageW(popup, WM_RBUTTONUP, 0, MAKELPARAM(row.x, row.y));
        return true;
    }
    // Releases the right button on one of the popup's entries: the menu
    // shown over the popup for it, or nullptr when none. It opens at the
    // pointer, left of the release in the popup's width, where no submenu of
    // the popup (DeskTop, say, should the pointer have rested on it) opens.
    HWND RightReleaseOnAnEntry() {
        if (!RightReleaseAt(2 * GetSystemMetrics(SM_CYMENU))) return nullptr;
        RECT under{};
        GetWindowRect(popup, &under);
        HWND shown = nullptr;
        WaitUntil([&] {
            for (HWND menu : VisiblePopupsOf(kelvo->Id())) {
                RECT rect{};
                GetWindowRect(menu, &rect);
                if (menu != popup && rect.left >= under.left && rect.left <= released.x) shown = menu;
            }
            return shown != nullptr;
        });
        if (shown == nullptr) ADD_FAILURE() << "no menu over the popup; menus shown: " << MenusShown();
        return shown;
    }
    // The text of the message box the program shows, for a failure's message.
    std::string MessageShown() {
        HWND box = MessageBoxOf(kelvo->Id());
        if (box == nullptr) return "none";
        const std::wstring text = MessageBoxText(box);
        return std::string(text.begin(), text.end());
    }
    // The rectangles of the menus the program shows, for a failure's message.
    std::string MenusShown() {
        std::string shown;
        for (HWND menu : VisiblePopupsOf(kelvo->Id())) {
            RECT rect{};
            GetWindowRect(menu, &rect);
            shown += (menu == popup ? "popup (" : "menu (") + std::to_string(rect.left) + "," +
                     std::to_string(rect.top) + ")-(" + std::to_string(rect.right) + "," +
                     std::to_string(rect.bottom) + ") ";
        }
        return shown;
    }
    // Rows of the menu's height, counted at the height of the menu bar.
    static int RowsHigh(HWND menu) {
        RECT rect{};
        GetWindowRect(menu, &rect);
        return (rect.bottom - rect.top) / GetSystemMetrics(SM_CYMENU);
    }
    // Opens the first entry from the popup: true when it is then all that
    // was ever opened. An entry opened before, by mistake, is recorded by
    // then: the recorder writes what it was asked in the order asked.
    bool OnlyOpened(const std::wstring& first) {
        if (OpenFromPopup(tray, kelvo->Id(), {VK_DOWN, VK_RETURN}) != first) return false;
        return OpenedPaths() == std::vector<std::wstring>{first};
    }
    bool NoMenuLeft() {
        return WaitUntil([&] { return VisiblePopupsOf(kelvo->Id()).empty(); });
    }

    const std::vector<std::wstring> names{L"Report 1.txt", L"Report 2.txt", L"Report 3.txt", L"Report 4.txt",
                                          L"Report 5.txt"};
    FixtureFolder folder;
    std::unique_ptr<KelvoProcess> kelvo;
    HWND tray = nullptr;
    HWND popup = nullptr;
    // Where the right button was last released.
    POINT released{};
};

TEST_F(ShellMenuE2eTest, EscapeInTheExplorersMenuOfAnEntryLeavesNoMenuBehind) {
    Start(true);
    HWND menu = RightReleaseOnAnEntry();
    ASSERT_NE(menu, nullptr) << "a second menu shows over the popup";
    EXPECT_TRUE(IsWindowVisible(popup)) << "the popup stays under it";
    EXPECT_GT(RowsHigh(menu), 2) << "the shell's verbs";
    PressKeys(menu, {VK_ESCAPE});
    // Where Escape leaves the popup showing, a second one closes it.
    for (HWND left : VisiblePopupsOf(kelvo->Id())) PressKeys(left, {VK_ESCAPE});
    EXPECT_TRUE(NoMenuLeft());
    EXPECT_TRUE(OnlyOpened(folder.Path() + names[0])) << "the popup works as before, and the entry was not opened";
}

// C is the access key of the shell's Copy, which puts the file on the
// clipboard.
TEST_F(ShellMenuE2eTest, AVerbChosenInTheExplorersMenuRunsAndClosesThePopup) {
    Start(true);
    HWND menu = RightReleaseOnAnEntry();
    ASSERT_NE(menu, nullptr);
    PostMessageW(menu, WM_CHAR, L'c', 1);
    EXPECT_TRUE(NoMenuLeft());
    ASSERT_TRUE(WaitUntil([] { return !FilesOnClipboard().empty(); }))
        << "a message of the program: " << MessageShown();
    const std::vector<std::wstring> copied = FilesOnClipboard();
    ASSERT_EQ(copied.size(), 1u);
    EXPECT_EQ(copied[0].substr(0, folder.Path().size()), folder.Path());
    EXPECT_NE(std::find(names.begin(), names.end(), copied[0].substr(folder.Path().size())), names.end()) << copied[0];
    EXPECT_TRUE(OnlyOpened(folder.Path() + names[0])) << "the verb ran, not the entry";
}

// Properties is the row above Exit, the last.
TEST_F(ShellMenuE2eTest, ARightButtonReleaseOnPropertiesStillOpensTheSettingsWindow) {
    Start(true);
    ASSERT_TRUE(RightReleaseAt(-3 * GetSystemMetrics(SM_CYMENU) / 2 - 4));
    EXPECT_NE(WaitForSettingsWindow(kelvo->Id()), nullptr);
    EXPECT_TRUE(NoMenuLeft());
}

TEST_F(ShellMenuE2eTest, AnEntryWhoseFileIsGoneShowsWhyInstead) {
    Start(false);
    HWND menu = RightReleaseOnAnEntry();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(RowsHigh(menu), 1) << "one row, no verbs";
    PressKeys(menu, {VK_ESCAPE});
    for (HWND left : VisiblePopupsOf(kelvo->Id())) PressKeys(left, {VK_ESCAPE});
    EXPECT_TRUE(NoMenuLeft());
}

}  // namespace
}  // namespace kelvo::e2e
