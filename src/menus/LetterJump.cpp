#include "menus/LetterJump.h"

namespace kelvo {
namespace {

char32_t AsciiLower(char32_t c) {
    return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}

// The first character of UTF-8 text; a byte that starts no character of
// its own stands for itself.
char32_t FirstCharacter(const std::string& text) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 1 || text.size() < length) return lead;
    char32_t character = lead & (0x7F >> length);
    for (std::size_t at = 1; at < length; ++at) character = (character << 6) | (byte(at) & 0x3F);
    return character;
}

}  // namespace

bool SameAsciiLetter(char32_t typed, char32_t first) {
    return AsciiLower(typed) == AsciiLower(first);
}

std::optional<int> NextRowStartingWith(std::span<const LetterRow> rows, std::optional<int> highlighted,
                                       char32_t typed, const SameLetter& same) {
    const int count = static_cast<int>(rows.size());
    const int start = highlighted && *highlighted >= 0 && *highlighted < count ? *highlighted + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int at = (start + step) % count;
        const LetterRow& row = rows[static_cast<std::size_t>(at)];
        if (!row.grey && !row.caption.empty() && same(typed, FirstCharacter(row.caption))) return at;
    }
    return std::nullopt;
}

}  // namespace kelvo
