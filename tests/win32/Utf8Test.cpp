#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Utf8.h"

namespace kelvo {
namespace {

TEST(Utf8, EveryWideNameComesBackUnchanged) {
    struct Case {
        const char* what;
        std::wstring wide;
        std::string utf8;
    };
    const Case cases[] = {
        {"empty", L"", ""},
        {"ASCII", L"a.txt", "a.txt"},
        {"two and three bytes", L"\u00DC\u65E5", "\xC3\x9C\xE6\x97\xA5"},
        {"surrogate pair", L"\xD83D\xDE00", "\xF0\x9F\x98\x80"},
        {"lone high surrogate", L"a\xD800z.txt", "a\xED\xA0\x80z.txt"},
        {"lone low surrogate", L"a\xDFFFz", "a\xED\xBF\xBFz"},
        {"high surrogate at the end", L"a\xDBFF", "a\xED\xAF\xBF"},
        {"pair the wrong way round", L"\xDC00\xD800", "\xED\xB0\x80\xED\xA0\x80"},
        {"highest character", L"\xDBFF\xDFFF", "\xF4\x8F\xBF\xBF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Narrow(c.wide), c.utf8);
        EXPECT_EQ(Widen(c.utf8), c.wide);
    }
}

TEST(Utf8, BytesThatAreNoUtf8BecomeReplacementCharacters) {
    struct Case {
        const char* what;
        std::string utf8;
        std::wstring wide;
    };
    const Case cases[] = {
        {"stray continuation byte", "a\x80z", L"a\xFFFDz"},
        {"cut short at the end", "a\xE6\x97", L"a\xFFFD\xFFFD"},
        {"overlong form", "\xC0\xAF", L"\xFFFD\xFFFD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", L"\xFFFD\xFFFD\xFFFD\xFFFD"},
        // The pair has one form, F0 90 80 80; its two halves stay apart.
        {"pair written as two three-byte halves", "\xED\xA0\x80\xED\xB0\x80", L"\xFFFD\xFFFD\xFFFD\xDC00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Widen(c.utf8), c.wide);
    }
}

}  // namespace
}  // namespace kelvo
