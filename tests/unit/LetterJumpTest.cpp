#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "menus/LetterJump.h"

namespace kelvo {
namespace {

// A folder's level: "Open", a separator, entries, a column break, the rows
// that are no entries, and a grey notice.
const std::vector<LetterRow> kLevel = {
    {"Open"}, {""}, {"alpha"}, {"Beta"}, {"apple"}, {"2024 Taxes"}, {""}, {"\xC3\x84rger"},
    {"Properties"}, {"Exit"}, {"Not available", true},
};

TEST(LetterJumpTest, ATypedCharacterSelectsTheNextRowStartingWithItAndWrapsAround) {
    const struct {
        const char* what;
        std::optional<int> highlighted;
        char32_t typed;
        std::optional<int> selected;
    } cases[] = {
        {"first match from the top", std::nullopt, U'a', 2},
        {"the next match", 2, U'a', 4},
        {"without regard to case", 4, U'A', 2},
        {"wraps around", 8, U'b', 3},
        {"a digit", std::nullopt, U'2', 5},
        {"a row that is no entry", 3, U'p', 8},
        {"the only match stays selected", 0, U'o', 0},
        {"no match", 3, U'z', std::nullopt},
        {"a grey notice is no match", std::nullopt, U'n', std::nullopt},
        {"a position past the level counts as none", 42, U'e', 9},
        {"non-ASCII, the same character", std::nullopt, U'\u00C4', 7},
        {"non-ASCII in another case: only the system can tell", std::nullopt, U'\u00E4', std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextRowStartingWith(kLevel, c.highlighted, c.typed), c.selected) << c.what;
}

TEST(LetterJumpTest, SeparatorsColumnBreaksAndGreyRowsAreNeverLandedOn) {
    const auto anyCharacter = [](char32_t, char32_t) { return true; };
    const std::vector<LetterRow> nothingToLandOn = {{""}, {"Not responding", true}, {"Empty", true}};
    const struct {
        const char* what;
        const std::vector<LetterRow>& level;
        std::optional<int> highlighted;
        std::optional<int> selected;
    } cases[] = {
        {"past a separator", kLevel, 0, 2},
        {"past a column break", kLevel, 5, 7},
        {"past a grey notice, wrapping around", kLevel, 9, 0},
        {"no row but grey ones", nothingToLandOn, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextRowStartingWith(c.level, c.highlighted, U'x', anyCharacter), c.selected) << c.what;
}

TEST(LetterJumpTest, TheSuppliedComparisonDecidesBeyondAscii) {
    std::vector<std::pair<char32_t, char32_t>> asked;
    const auto folding = [&](char32_t typed, char32_t first) {
        asked.emplace_back(typed, first);
        return typed == U'\u00E4' && first == U'\u00C4';
    };
    EXPECT_EQ(NextRowStartingWith(kLevel, std::nullopt, U'\u00E4', folding), 7);
    EXPECT_EQ(asked.back(), std::make_pair(U'\u00E4', U'\u00C4')) << "the first character, decoded from UTF-8";
}

}  // namespace
}  // namespace kelvo
