#include "E2eSupport.h"

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace kelvo::e2e {
namespace {

const std::wstring kUnicodeName = L"\u00DCberblick \u2013 \u65E5\u672C.txt";

// The program resident with a stored custom list of two entries and a
// desktop list of one, each a file of the fixture folder, and text files
// opening in the recorder.
class TrayPopupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearStore();
        RouteTextFilesToRecorder();
        for (const std::wstring& name : {kUnicodeName, std::wstring(L"R&D notes.txt"), std::wstring(L"Readme.txt")}) {
            folder.AddFile(name);
        }
        StoreList(L"Custom", {folder.ChoiceFor(kUnicodeName), folder.ChoiceFor(L"R&D notes.txt")});
        StoreList(L"Desktop", {folder.ChoiceFor(L"Readme.txt")});
    }

    // Starts the program once the store holds what the test wants.
    void Start() {
        kelvo = std::make_unique<KelvoProcess>();
        tray = kelvo->WaitUntilResident();
        ASSERT_NE(tray, nullptr);
    }

    HWND ShowPopup() { return ShowPopupOf(tray, kelvo->Id()); }

    // Chooses a row with the keyboard and returns what the shell was asked
    // to open, empty when nothing was.
    std::wstring OpenWithKeys(const std::vector<WORD>& keys) { return OpenFromPopup(tray, kelvo->Id(), keys); }

    FixtureFolder folder;
    std::unique_ptr<KelvoProcess> kelvo;
    HWND tray = nullptr;
    // Made when Properties first opens it.
    HWND settings = nullptr;
};

TEST_F(TrayPopupTest, RightButtonReleaseShowsThePopupOfTheProgram) {
    Start();
    HWND popup = ShowPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(ProcessOf(popup), kelvo->Id());
    PressKeys(popup, {VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return VisiblePopupOf(kelvo->Id()) == nullptr; }));
}

TEST_F(TrayPopupTest, EachRowOpensItsStoredFile) {
    Start();
    struct Pick {
        const char* row;
        std::vector<WORD> keys;
        std::wstring name;
    };
    const Pick picks[] = {
        {"first custom entry", {VK_DOWN, VK_RETURN}, kUnicodeName},
        {"second custom entry", {VK_DOWN, VK_DOWN, VK_RETURN}, L"R&D notes.txt"},
        {"entry of the DeskTop submenu", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}, L"Readme.txt"},
    };
    for (const Pick& pick : picks) {
        SCOPED_TRACE(pick.row);
        EXPECT_EQ(OpenWithKeys(pick.keys), folder.Path() + pick.name);
    }
}

TEST_F(TrayPopupTest, LongListContinuesInASecondColumn) {
    std::vector<std::wstring> choices;
    for (int k = 1; k <= 30; ++k) {
        wchar_t name[32];
        swprintf(name, 32, L"Entry %02d.txt", k);
        folder.AddFile(name);
        choices.push_back(folder.ChoiceFor(name));
    }
    StoreList(L"Custom", choices);
    Start();
    // The first column holds a separator and entries 1 to 24; moving right
    // lands on the second column's head, the row above entry 25.
    EXPECT_EQ(OpenWithKeys({VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}), folder.Path() + L"Entry 25.txt");
}

// A desktop list of `count` entries, files of the fixture folder.
std::vector<std::wstring> ManyDesktopEntries(FixtureFolder& folder, int count) {
    std::vector<std::wstring> choices;
    for (int k = 1; k <= count; ++k) {
        const std::wstring name = L"Desktop entry " + std::to_wstring(k) + L".txt";
        folder.AddFile(name);
        choices.push_back(folder.ChoiceFor(name));
    }
    return choices;
}

void ExpectEveryPopupInsideTheScreen(DWORD pid) {
    for (HWND popup : VisiblePopupsOf(pid)) {
        RECT rect{};
        GetWindowRect(popup, &rect);
        EXPECT_TRUE(InsideItsMonitor(popup)) << rect.left << "," << rect.top << " to " << rect.right << ","
                                             << rect.bottom;
    }
}

// "DeskTop" is the third row from the bottom; the first key from no
// selection selects the last row.
const std::vector<WORD> kIntoDeskTop = {VK_UP, VK_UP, VK_UP, VK_RIGHT};

TEST_F(TrayPopupTest, NinetyDesktopEntriesShowInColumnsInsideTheScreen) {
    StoreList(L"Desktop", ManyDesktopEntries(folder, 90));
    Start();
    HWND popup = ShowPopup();
    ASSERT_NE(popup, nullptr);
    PressKeys(popup, kIntoDeskTop);
    ASSERT_TRUE(WaitUntil([&] { return VisiblePopupsOf(kelvo->Id()).size() == 2; }));
    ExpectEveryPopupInsideTheScreen(kelvo->Id());
    // Up from the first entry wraps round to the last.
    const std::size_t before = OpenedPaths().size();
    PressKeys(popup, {VK_UP, VK_RETURN});
    ASSERT_TRUE(WaitUntil([&] { return OpenedPaths().size() > before; }));
    EXPECT_EQ(OpenedPaths().back(), folder.Path() + L"Desktop entry 90.txt");
}

TEST_F(TrayPopupTest, LastOfTwoThousandEntriesIsChosenThroughTheMoreLevels) {
    StoreList(L"Desktop", ManyDesktopEntries(folder, 2000));
    Start();
    const std::size_t before = OpenedPaths().size();
    HWND popup = ShowPopup();
    ASSERT_NE(popup, nullptr);
    PressKeys(popup, kIntoDeskTop);
    ASSERT_TRUE(WaitUntil([&] { return VisiblePopupsOf(kelvo->Id()).size() == 2; }));
    // The last row of each level opens the next one ("More", then the last
    // group in it) until the level holding the last entry: Enter opens the
    // next level there, and the entry here.
    std::size_t levels = 2;
    while (OpenedPaths().size() == before) {
        ExpectEveryPopupInsideTheScreen(kelvo->Id());
        PressKeys(popup, {VK_UP, VK_RETURN});
        ASSERT_TRUE(WaitUntil([&] {
            return OpenedPaths().size() > before || VisiblePopupsOf(kelvo->Id()).size() > levels;
        }));
        if (OpenedPaths().size() == before) ++levels;
        ASSERT_LT(levels, 40u);
    }
    EXPECT_GT(levels, 2u) << "2,000 entries need more than one level";
    EXPECT_LE(levels, 4u) << "the popup, DeskTop, More and a group hold them";
    EXPECT_EQ(OpenedPaths().back(), folder.Path() + L"Desktop entry 2000.txt");
}

TEST_F(TrayPopupTest, PropertiesShowsTheSettingsWindowWithBothLists) {
    Start();
    HWND popup = ShowPopup();
    ASSERT_NE(popup, nullptr);
    PressKeys(popup, {VK_UP, VK_UP, VK_RETURN});  // "Properties" is above "Exit"
    settings = WaitForSettingsWindow(kelvo->Id());
    ASSERT_NE(settings, nullptr);

    std::vector<LRESULT> rows;
    for (HWND list : ChildrenOfClass(settings, WC_LISTVIEWW)) rows.push_back(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    EXPECT_THAT(rows, ::testing::UnorderedElementsAre(1, 2));
}

TEST_F(TrayPopupTest, TabMovesTheFocusThroughTheSettingsWindow) {
    Start();
    HWND popup = ShowPopup();
    ASSERT_NE(popup, nullptr);
    PressKeys(popup, {VK_UP, VK_UP, VK_RETURN});
    settings = WaitForSettingsWindow(kelvo->Id());
    ASSERT_NE(settings, nullptr);

    const DWORD thread = GetWindowThreadProcessId(settings, nullptr);
    auto focus = [thread] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(thread, &info);
        return info.hwndFocus;
    };
    // The popup's owner, the hidden tray window, holds the focus until the
    // shown window is activated.
    ASSERT_TRUE(WaitUntil([&] { return focus() == settings || IsChild(settings, focus()); }));
    const HWND first = focus();
    PressKeys(first, {VK_TAB});
    EXPECT_TRUE(WaitUntil([&] { return focus() != first && IsChild(settings, focus()); }));
}

TEST_F(TrayPopupTest, LeftButtonPressStartsTheFileManager) {
    Start();
    const std::vector<HWND> before = ExplorerWindows();
    SendTrayMouse(tray, kLeftButtonDown);
    HWND explorer = WaitForNewExplorerWindow(before);
    ASSERT_NE(explorer, nullptr);
    EXPECT_NE(ProcessOf(explorer), kelvo->Id());
    EndProcessOf(explorer);
}

}  // namespace
}  // namespace kelvo::e2e
