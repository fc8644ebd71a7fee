#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menus/LetterJump.h"
#include "platform/win32/MenuLetters.h"

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
    const std::vector<std::string> level = {"Open", "", "\xC3\x89t\xC3\xA9", "\xD0\x96\xD1\x83\xD0\xBA"};
    EXPECT_EQ(NextRowStartingWith(level, std::nullopt, U'\u00E9', SameLetterWithoutCase), 2);
    EXPECT_EQ(NextRowStartingWith(level, 2, U'\u0436', SameLetterWithoutCase), 3);
}

}  // namespace
}  // namespace kelvo
