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

}  // namespace
}  // namespace kelvo
