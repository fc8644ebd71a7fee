#include "platform/win32/Utf8.h"

#include <utility>

namespace kelvo {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void AppendUtf16(std::wstring& out, char32_t code) {
    if (code < 0x10000) {
        out += static_cast<wchar_t>(code);
    } else {
        out += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
        out += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
}

// The code point (or lone surrogate) that starts at `at`, and how many bytes
// it takes; a byte that starts no valid sequence is read alone as U+FFFD.
std::pair<char32_t, std::size_t> DecodeAt(std::string_view utf8, std::size_t at) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    if (lead < 0x80) return {lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > utf8.size()) return {kReplacement, 1};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[at + k]);
        if ((next & 0xC0) != 0x80) return {kReplacement, 1};
        code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kShortest[length] || code > 0x10FFFF) return {kReplacement, 1};
    return {code, length};
}
// A high surrogate whose three bytes are followed by a low surrogate's: a
// pair written as two sequences, where UTF-8 has one of four bytes for it.
bool SplitPairAt(std::string_view utf8, std::size_t at, char32_t code, std::size_t length) {
    return IsHighSurrogate(code) && at + length < utf8.size() && IsLowSurrogate(DecodeAt(utf8, at + length).first);
}
}  // namespace

// Written by hand rather than with the system's converters: those replace a
// lone surrogate, and a file name may hold one. A pair written as two
// three-byte sequences is refused like any other malformed bytes: read as
// the four-byte form, two byte strings would name one file.
std::wstring Widen(std::string_view utf8) {
    std::wstring wide;
    wide.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto [code, length] = DecodeAt(utf8, at);
        if (SplitPairAt(utf8, at, code, length)) {
            wide += static_cast<wchar_t>(kReplacement);
            ++at;
            continue;
        }
        AppendUtf16(wide, code);
        at += length;
    }
    return wide;
}

std::string Narrow(std::wstring_view wide) {
    std::string utf8;
    utf8.reserve(wide.size());
    for (std::size_t at = 0; at < wide.size(); ++at) {
        char32_t code = static_cast<char16_t>(wide[at]);
        if (IsHighSurrogate(code) && at + 1 < wide.size() && IsLowSurrogate(static_cast<char16_t>(wide[at + 1]))) {
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<char16_t>(wide[++at]) - 0xDC00);
        }
        AppendUtf8(utf8, code);
    }
    return utf8;
}

}  // namespace kelvo
