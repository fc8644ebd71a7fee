#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "menus/LetterJump.h"
#include "menus/MenuIds.h"
#include "menus/MenuLevel.h"
#include "platform/win32/MenuLetters.h"
#include "platform/win32/Win32Popup.h"
#include "platform/win32/WineCheck.h"
#include "OwnerWindow.h"

namespace kelvo {
namespace {

TEST(MenuLettersTest, LettersOfEveryScriptMatchWithoutRegardToCase) {
    const struct {
        char32_t typed;
        char32_t first;
        bool same;
    } cases[] = {
        {U'k', U'K', true},           {U'K', U'k', true},
        {U'\u00E9', U'\u00C9', true},  // é, É
        {U'\u0436', U'\u0416', true},  // ж, Ж
        {U'\u03C9', U'\u03A9', true},  // ω, Ω
        {U'7', U'7', true},           {U'a', U'b', false},
        {U'e', U'\u00E9', false},      // an accent makes another letter
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameLetterWithoutCase(c.typed, c.first), c.same) << std::hex << static_cast<unsigned>(c.typed);
}

TEST(MenuLettersTest, ATypedLetterReachesARowInAnyScript) {
    const std::vector<LetterRow> level = {{"Open"}, {""}, {"\xC3\x89t\xC3\xA9"}, {"\xD0\x96\xD1\x83\xD0\xBA"}};
    EXPECT_EQ(NextRowStartingWith(level, std::nullopt, U'\u00E9', SameLetterWithoutCase), 2);
    EXPECT_EQ(NextRowStartingWith(level, 2, U'\u0436', SameLetterWithoutCase), 3);
}

std::set<int> LitRows(HMENU menu) {
    std::set<int> lit;
    for (int pos = 0; pos < GetMenuItemCount(menu); ++pos) {
        if (GetMenuState(menu, static_cast<UINT>(pos), MF_BYPOSITION) & MF_HILITE) lit.insert(pos);
    }
    return lit;
}

// A level shown by the real menu manager: "Notes", a grey "Not available",
// "News" and "Exit". Its owner runs `whileShown` once the menu waits for
// input, then closes it.
class ShownLevelTest : public ::testing::Test {
protected:
    void SetUp() override {
        level.InsertCommand(0, kCustomIdBase + 1, "Notes");
        level.InsertNotice(1, "Not available");
        level.InsertCommand(2, kCustomIdBase + 2, "News");
        level.InsertCommand(3, kExitId, "Exit");
        menu = RenderMenu(level);
        owner = MakeOwnerWindow(L"KelvoShownLevelTest", OwnerProc);
        SetWindowLongPtrW(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    void TearDown() override {
        DestroyWindow(owner);
        DestroyMenu(menu);
    }

    static LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* test = reinterpret_cast<ShownLevelTest*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (test != nullptr && message == WM_ENTERIDLE && test->whileShown) {
            std::exchange(test->whileShown, nullptr)();
            EndMenu();
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // Shows the menu with `downs` rows stepped through by the Down key.
    void Show(int downs) {
        SetForegroundWindow(owner);
        for (int step = 0; step < downs; ++step) PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 1);
        TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner, nullptr);
    }

    MenuLevel level;
    HMENU menu = nullptr;
    HWND owner = nullptr;
    std::function<void()> whileShown;
};

// Windows' menu loop selects the row named by MNC_SELECT itself; Wine's
// ignores it, so there the answer lights the row and puts out the one lit
// before. Either way a grey notice is passed over.
TEST_F(ShownLevelTest, ATypedLetterSelectsTheNextRowAsEachSystemNeeds) {
    const struct {
        const char* what;
        bool wine;
        int downs;
        wchar_t typed;
        std::set<int> litBefore;
        LRESULT answer;
        std::set<int> litAfter;
    } cases[] = {
        {"Windows: the answer alone", false, 1, L'n', {0}, MAKELRESULT(2, MNC_SELECT), {0}},
        {"Wine: the next row lit, the last put out", true, 1, L'n', {0}, MAKELRESULT(2, MNC_SELECT), {2}},
        {"Wine: lit where none was", true, 0, L'e', {}, MAKELRESULT(3, MNC_SELECT), {3}},
        {"Wine: no match lights nothing", true, 1, L'x', {0}, MAKELRESULT(0, MNC_IGNORE), {0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const WineAnswerOverride system(c.wine);
        std::set<int> litBefore;
        std::set<int> litAfter;
        LRESULT answer = 0;
        whileShown = [&] {
            litBefore = LitRows(menu);
            answer = AnswerMenuChar(owner, menu, c.typed);
            litAfter = LitRows(menu);
        };
        Show(c.downs);
        ASSERT_FALSE(whileShown) << "the menu showed";
        ASSERT_EQ(litBefore, c.litBefore);
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(litAfter, c.litAfter);
    }
}

}  // namespace
}  // namespace kelvo
