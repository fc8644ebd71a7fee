#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "text/TextUtils.h"

namespace kelvo {
namespace {

using namespace std::string_literals;

TEST(StripNulls, CutsTheCallersTextInPlace) {
    std::string item = "abc\0def"s;
    std::string& result = StripNulls(item);
    EXPECT_EQ(item, "abc");
    EXPECT_EQ(&result, &item);
}

TEST(StripNulls, Cases) {
    struct Case {
        std::string in;
        std::string out;
    };
    for (const Case& c : {Case{"no nul", "no nul"}, Case{"\0rest"s, ""}, Case{"", ""},
                          Case{"tip\0\0\0"s, "tip"}, Case{"a\0b\0c"s, "a"}}) {
        std::string item = c.in;
        EXPECT_EQ(StripNulls(item), c.out);
    }
}

TEST(GetHiWord, DividesBy65535AndStepsDownForNegatives) {
    struct Case {
        std::int32_t dw;
        int high;
    };
    for (const Case& c : {Case{0x04004550, 0x0400}, Case{0x5A4D, 0}, Case{65534, 0}, Case{65535, 1},
                          Case{0x00030000, 3}, Case{-1, -1}, Case{-65535, -2}, Case{-65536, -2},
                          Case{32767 * 65535, 32767}}) {
        EXPECT_EQ(GetHiWord(c.dw), c.high) << "dw = " << c.dw;
    }
}

TEST(GetHiWord, ResultsBeyondSixteenBitsSaturate) {
    EXPECT_EQ(GetHiWord(INT32_MAX), 32767);
    EXPECT_EQ(GetHiWord(32768 * 65535), 32767);
    EXPECT_EQ(GetHiWord(INT32_MIN), -32768);
    EXPECT_EQ(GetHiWord(-32768 * 65535), -32768);
}

// Characters count whole: a name in any script is cut between characters,
// and bytes that are not UTF-8 go with the character before them.
TEST(ShortenedInTheMiddle, KeepsTheFirstAndLastCharactersAroundAnEllipsis) {
    struct Case {
        std::string text;
        std::size_t kept;
        std::string shortened;
    };
    for (const Case& c : {Case{"Budget 37.xlsx", 14, "Budget 37.xlsx"}, Case{"Budget 37.xlsx", 13, "Budget \u20267.xlsx"},
                          Case{"Budget 37.xlsx", 6, "Bud\u2026lsx"}, Case{"Budget 37.xlsx", 1, "B\u2026"},
                          Case{"Budget 37.xlsx", 0, "\u2026"}, Case{"", 0, ""},
                          Case{"\u65e5\u672c\u8a9e\u306e\u30e1\u30e2.txt", 4, "\u65e5\u672c\u2026xt"},
                          Case{"na\u00efve \U0001F600 caf\u00e9", 7, "na\u00efv\u2026af\u00e9"},
                          Case{"\U0001F600\U0001F601\U0001F602", 2, "\U0001F600\u2026\U0001F602"},
                          Case{"\x80\x80" "ab", 1, "\x80\x80\u2026"}, Case{"\x80\x80" "ab", 0, "\u2026"}}) {
        EXPECT_EQ(ShortenedInTheMiddle(c.text, c.kept), c.shortened) << c.text << ", " << c.kept;
    }
}

}  // namespace
}  // namespace kelvo
