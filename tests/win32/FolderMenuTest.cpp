#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FixtureFiles.h"
#include "menus/FolderLevels.h"
#include "menus/MenuIds.h"
#include "platform/win32/MenuLetters.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32FolderReader.h"
#include "platform/win32/Win32Popup.h"
#include "OwnerWindow.h"

namespace kelvo {
namespace {

std::vector<std::wstring> Captions(HMENU menu) {
    std::vector<std::wstring> captions;
    for (int pos = 0; pos < GetMenuItemCount(menu); ++pos) {
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(pos), text, 256, MF_BYPOSITION);
        captions.push_back(text);
    }
    return captions;
}

// The popup of one folder entry, and one on a share that is not there, shown
// with the real menu manager; its owner fills folders as the program's tray
// window does, and notes what the folder's submenu held once it showed.
class FolderMenuTest : public ::testing::Test {
protected:
    static constexpr int kFolderEntry = kDesktopIdBase + 1;
    static constexpr int kAwayEntry = kDesktopIdBase + 2;

    void SetUp() override {
        folder = TempFolder() + "kelvo-folder-menu";
        RemoveTree(folder);
        CreateDirectoryW(Widen(folder).c_str(), nullptr);
        CreateDirectoryW(Widen(folder + "\\Sub").c_str(), nullptr);
        Touch(folder + "\\Note 10.txt");
        Touch(folder + "\\Note 9.txt");
        menu.folderEntries[kFolderEntry] = FolderRow{"Folder", folder, folder, false};
        const std::string away = "\\\\kelvo-no-such-server\\share\\folder";
        menu.folderEntries[kAwayEntry] = FolderRow{"Away", away, away, false};
        menu.tree.InsertSubmenu(0, "Folder", kFolderEntry);
        menu.tree.InsertSubmenu(1, "Away", kAwayEntry);

        owner = MakeOwnerWindow(L"KelvoFolderMenuTest", OwnerProc);
        SetWindowLongPtrW(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        popup = std::make_unique<Win32Popup>(owner);
        popup->Prepare(menu.tree);
    }
    void TearDown() override {
        popup.reset();
        DestroyWindow(owner);
        RemoveTree(folder);
    }

    static LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* test = reinterpret_cast<FolderMenuTest*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (test != nullptr && message == WM_INITMENUPOPUP) test->OnOpening(reinterpret_cast<HMENU>(wParam));
        if (test != nullptr && message == WM_ENTERIDLE && test->opened != nullptr) {
            test->shown = Captions(test->opened);
            EndMenu();
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    void OnOpening(HMENU submenu) {
        const auto folderRow = popup->FolderOf(submenu);
        if (!folderRow) return;
        const auto widths = [this](const MenuItem& row) { return popup->RowWidth(row); };
        popup->FillFolder(folderRow->id, *levels.Open(menu, folderRow->id, folderRow->depth, popup->Room(), widths));
        opened = submenu;
    }
    // Opens the submenu of the popup's row at `row` with the keyboard.
    void OpenRow(int row) {
        for (int step = 0; step <= row; ++step) PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 1);
        PostMessageW(owner, WM_KEYDOWN, VK_RIGHT, 1);
        popup->Track(PopupOpening::Mouse);
    }

    std::string folder;
    PopupMenu menu;
    Win32FolderReader reader;
    Win32FileSystem files;
    FolderLevels levels{reader, files};
    HWND owner = nullptr;
    std::unique_ptr<Win32Popup> popup;
    HMENU opened = nullptr;
    std::vector<std::wstring> shown;
};

TEST_F(FolderMenuTest, AFoldersSubmenuIsFilledAsItOpensAndEmptiedWhenThePopupCloses) {
    OpenRow(0);
    ASSERT_NE(opened, nullptr) << "the folder's submenu opened";
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"Open", L"", L"Sub", L"Note 9.txt", L"Note 10.txt"}));
    EXPECT_EQ(GetMenuItemCount(opened), 0) << "emptied once the popup closed";
    EXPECT_NE(GetSubMenu(popup->Menu(), 0), nullptr);
}

TEST_F(FolderMenuTest, AFolderOnAShareThatIsNotThereShowsNotAvailable) {
    OpenRow(1);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"Open", L"", L"Not available"}));
    EXPECT_EQ(GetMenuItemCount(opened), 0) << "emptied";
}

// A level as the menu manager holds it: rows of every kind, a grey notice
// among them, one of them highlighted.
TEST(AnswerMenuChar, SelectsTheNextRowStartingWithTheLetterWrappingAround) {
    MenuLevel level;
    level.InsertSeparator(0);
    level.InsertCommand(1, kCustomIdBase + 1, "R&D notes.txt");
    level.InsertCommand(2, kCustomIdBase + 2, "\xC3\xA9t\xC3\xA9.txt");  // "été"
    level.InsertColumnBreak(3, kColumnBreakId);
    level.InsertSubmenu(4, "DeskTop");
    level.InsertCommand(5, kPropertiesId, "Properties");
    level.InsertCommand(6, kExitId, "Exit");
    level.InsertNotice(7, "Not found");
    HMENU menu = RenderMenu(level);
    struct Case {
        wchar_t typed;
        int highlighted;  // -1: none
        LRESULT answer;
    };
    const Case cases[] = {
        {L'd', -1, MAKELRESULT(4, MNC_SELECT)},   {L'R', -1, MAKELRESULT(1, MNC_SELECT)},
        {L'e', -1, MAKELRESULT(6, MNC_SELECT)},   {L'\u00C9', -1, MAKELRESULT(2, MNC_SELECT)},
        {L'p', 6, MAKELRESULT(5, MNC_SELECT)},    {L'r', 1, MAKELRESULT(1, MNC_SELECT)},
        {L'x', -1, MAKELRESULT(0, MNC_IGNORE)},   {L'&', -1, MAKELRESULT(0, MNC_IGNORE)},
        {L'n', -1, MAKELRESULT(0, MNC_IGNORE)},   {L'n', 6, MAKELRESULT(0, MNC_IGNORE)},
    };
    HWND owner = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.typed) + " after " + std::to_string(c.highlighted));
        for (int pos = 0; pos < GetMenuItemCount(menu); ++pos) {
            MENUITEMINFOW state{};
            state.cbSize = sizeof state;
            state.fMask = MIIM_STATE;
            GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &state);
            state.fState = (state.fState & ~MFS_HILITE) | (pos == c.highlighted ? MFS_HILITE : 0);
            SetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &state);
        }
        EXPECT_EQ(AnswerMenuChar(owner, menu, c.typed), c.answer);
    }
    DestroyWindow(owner);
    DestroyMenu(menu);
}

}  // namespace
}  // namespace kelvo
