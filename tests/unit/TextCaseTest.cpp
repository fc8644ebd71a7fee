#include <gtest/gtest.h>

#include <string>

#include "lists/TextCase.h"

namespace kelvo {
namespace {

using namespace std::string_literals;

struct Case {
    std::string in;
    std::string out;
};

TEST(LowerCase, LowerCasesLettersOfEachScript) {
    const Case cases[] = {
        {"", ""},
        {"README.TXT", "readme.txt"},
        {"Mixed Case 123 !@#[]`{}", "mixed case 123 !@#[]`{}"},  // neighbours of A..Z stay
        {"RÉSUMÉ.TXT", "résumé.txt"},
        {"ÜBER", "über"},
        {"ÀÞ", "àþ"},    // ends of Latin-1
        {"×ßÿ", "×ßÿ"},  // not capitals
        {"ŁÓDŹ", "łódź"},
        {"ČŠŽ", "čšž"},
        {"İSTANBUL", "istanbul"},
        {"Ÿ", "ÿ"},
        {"ĸŉſ", "ĸŉſ"},  // no capital of their own
        {"ẠẞỲ", "ạßỳ"},
        {"ΑΒΓ", "αβγ"},
        {"ΣΩΆΏΪ", "σωάώϊ"},
        {"ДОМ", "дом"},
        {"ЁЏЯ", "ёџя"},
        {"ҐӀӁ", "ґӏӂ"},
        {"ԱՖ", "աֆ"},
        {"ＡＺ", "ａｚ"},
        {"文件.TXT", "文件.txt"},
        {"😀A", "😀a"},
        {"a\0B"s, "a\0b"s},
    };
    for (const Case& c : cases) EXPECT_EQ(LowerCase(c.in), c.out) << c.in;
}

TEST(LowerCase, KeepsInvalidBytesAndGoesOn) {
    const Case cases[] = {
        {"\xFF" "A", "\xFF" "a"},                          // never a lead byte
        {"\x80" "B", "\x80" "b"},                          // stray continuation
        {"\xC3", "\xC3"},                                  // cut off at the end
        {"\xC3" "A", "\xC3" "a"},                          // lead without its continuation
        {"\xE2\x82" "C", "\xE2\x82" "c"},                  // three-byte lead, one continuation
        {"\xC0\x80" "D", "\xC0\x80" "d"},                  // overlong NUL
        {"\xC1\x81", "\xC1\x81"},                          // overlong 'A' stays as it is
        {"\xE0\x81\x81", "\xE0\x81\x81"},                  // overlong in three bytes
        {"\xED\xA0\x80" "E", "\xED\xA0\x80" "e"},          // a surrogate
        {"\xF4\x90\x80\x80" "F", "\xF4\x90\x80\x80" "f"},  // beyond U+10FFFF
        {"\xC3\x89\xFF\xC3\x89", "\xC3\xA9\xFF\xC3\xA9"},  // valid letters around a bad byte
        {"\xCE" "\xC3\x89", "\xCE" "\xC3\xA9"},            // a lead byte cut short by another
    };
    for (const Case& c : cases) EXPECT_EQ(LowerCase(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace kelvo
