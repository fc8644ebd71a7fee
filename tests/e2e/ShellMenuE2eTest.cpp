#include "E2eSupport.h"

#include <shellapi.h>
#include <gtest/gtest.h>

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

// The program resident with a custom list of one entry, `name` of the
// fixture folder, made there when `made`.
class ShellMenuE2eTest : public ::testing::Test {
protected:
    void Start(const std::wstring& name, bool made) {
        ClearStore();
        RouteTextFilesToRecorder();
        EmptyTheClipboard();
        if (made) folder.AddFile(name);
        StoreList(L"Custom", {folder.ChoiceFor(name)});
        kelvo = std::make_unique<KelvoProcess>();
        tray = kelvo->WaitUntilResident();
        ASSERT_NE(tray, nullptr);
    }
    // Shows the popup and releases the right button on its first row, the
    // entry: the menu shown over the popup for it, or nullptr when none.
    HWND RightReleaseOnTheEntry() {
        popup = ShowPopupOf(tray, kelvo->Id());
        if (popup == nullptr) return nullptr;
        RECT rect{};
        GetWindowRect(popup, &rect);
        const POINT row{(rect.left + rect.right) / 2, rect.top + GetSystemMetrics(SM_CYMENU) / 2 + 4};
        SetCursorPos(row.x, row.y);
        PostMessageW(popup, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(row.x, row.y));
        PostMessageW(popup, WM_RBUTTONUP, 0, MAKELPARAM(row.x, row.y));
        HWND shown = nullptr;
        WaitUntil([&] {
            for (HWND menu : VisiblePopupsOf(kelvo->Id())) {
                if (menu != popup) shown = menu;
            }
            return shown != nullptr;
        });
        return shown;
    }
    // Rows of the menu's height, counted at the height of the menu bar.
    static int RowsHigh(HWND menu) {
        RECT rect{};
        GetWindowRect(menu, &rect);
        return (rect.bottom - rect.top) / GetSystemMetrics(SM_CYMENU);
    }
    bool NoMenuLeft() {
        return WaitUntil([&] { return VisiblePopupsOf(kelvo->Id()).empty(); });
    }

    FixtureFolder folder;
    std::unique_ptr<KelvoProcess> kelvo;
    HWND tray = nullptr;
    HWND popup = nullptr;
};

TEST_F(ShellMenuE2eTest, EscapeInTheExplorersMenuOfAnEntryLeavesNoMenuBehind) {
    Start(L"Report.txt", true);
    HWND menu = RightReleaseOnTheEntry();
    ASSERT_NE(menu, nullptr) << "a second menu shows over the popup";
    EXPECT_TRUE(IsWindowVisible(popup)) << "the popup stays under it";
    EXPECT_GT(RowsHigh(menu), 2) << "the shell's verbs";
    PressKeys(menu, {VK_ESCAPE});
    // Where Escape leaves the popup showing, a second one closes it.
    for (HWND left : VisiblePopupsOf(kelvo->Id())) PressKeys(left, {VK_ESCAPE});
    EXPECT_TRUE(NoMenuLeft());
    EXPECT_TRUE(OpenedPaths().empty()) << "the entry was not opened";
    EXPECT_EQ(OpenFromPopup(tray, kelvo->Id(), {VK_DOWN, VK_RETURN}), folder.Path() + L"Report.txt")
        << "the popup works as before";
}

// C is the access key of the shell's Copy, which puts the file on the
// clipboard.
TEST_F(ShellMenuE2eTest, AVerbChosenInTheExplorersMenuRunsAndClosesThePopup) {
    Start(L"Report.txt", true);
    HWND menu = RightReleaseOnTheEntry();
    ASSERT_NE(menu, nullptr);
    PostMessageW(menu, WM_CHAR, L'c', 1);
    EXPECT_TRUE(NoMenuLeft());
    EXPECT_TRUE(WaitUntil([] { return !FilesOnClipboard().empty(); }));
    EXPECT_EQ(FilesOnClipboard(), std::vector<std::wstring>{folder.Path() + L"Report.txt"});
    EXPECT_TRUE(OpenedPaths().empty()) << "the verb ran, not the entry";
}

TEST_F(ShellMenuE2eTest, AnEntryWhoseFileIsGoneShowsWhyInstead) {
    Start(L"Gone.txt", false);
    HWND menu = RightReleaseOnTheEntry();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(RowsHigh(menu), 1) << "one row, no verbs";
    PressKeys(menu, {VK_ESCAPE});
    for (HWND left : VisiblePopupsOf(kelvo->Id())) PressKeys(left, {VK_ESCAPE});
    EXPECT_TRUE(NoMenuLeft());
}

}  // namespace
}  // namespace kelvo::e2e
