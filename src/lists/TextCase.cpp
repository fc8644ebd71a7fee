#include "lists/TextCase.h"

#include <cstddef>
#include <optional>

namespace kelvo {

namespace {

struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// One well-formed UTF-8 sequence at `at`; nullopt for a stray or truncated
// byte, an overlong form, a surrogate or a value beyond U+10FFFF.
std::optional<Decoded> DecodeAt(const std::string& text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return Decoded{lead, 1};
    std::size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - at < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(byte)) return std::nullopt;
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    return Decoded{value, length};
}

void Encode(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool In(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

// In blocks where capitals and small letters alternate, the capital sits on
// the even (or odd) code point and its small letter right after it.
bool IsPairedCapital(char32_t c, char32_t first, char32_t last) {
    return In(c, first, last) && (c - first) % 2 == 0;
}

char32_t LowerLatin(char32_t c) {
    if (In(c, U'A', U'Z')) return c + 32;
    if (In(c, 0xC0, 0xDE) && c != 0xD7) return c + 32;
    if (c == 0x130) return U'i';
    if (c == 0x178) return 0xFF;
    if (IsPairedCapital(c, 0x100, 0x12F) || IsPairedCapital(c, 0x132, 0x137) ||
        IsPairedCapital(c, 0x139, 0x148) || IsPairedCapital(c, 0x14A, 0x177) ||
        IsPairedCapital(c, 0x179, 0x17E)) {
        return c + 1;
    }
    if (c == 0x1E9E) return 0xDF;
    if (IsPairedCapital(c, 0x1E00, 0x1E95) || IsPairedCapital(c, 0x1EA0, 0x1EFF)) return c + 1;
    if (In(c, 0xFF21, 0xFF3A)) return c + 32;
    return c;
}

char32_t LowerGreek(char32_t c) {
    if (In(c, 0x391, 0x3A1) || In(c, 0x3A3, 0x3AB)) return c + 32;
    if (c == 0x386) return 0x3AC;
    if (In(c, 0x388, 0x38A)) return c + 37;
    if (c == 0x38C) return 0x3CC;
    if (In(c, 0x38E, 0x38F)) return c + 63;
    if (IsPairedCapital(c, 0x370, 0x373) || c == 0x376) return c + 1;
    if (c == 0x37F) return 0x3F3;
    if (c == 0x3CF) return 0x3D7;
    if (IsPairedCapital(c, 0x3D8, 0x3EF)) return c + 1;
    if (c == 0x3F4) return 0x3B8;
    if (c == 0x3F7 || c == 0x3FA) return c + 1;
    if (c == 0x3F9) return 0x3F2;
    if (In(c, 0x3FD, 0x3FF)) return c - 130;
    return c;
}

char32_t LowerCyrillicArmenian(char32_t c) {
    if (In(c, 0x400, 0x40F)) return c + 80;
    if (In(c, 0x410, 0x42F)) return c + 32;
    if (IsPairedCapital(c, 0x460, 0x481) || IsPairedCapital(c, 0x48A, 0x4BF)) return c + 1;
    if (c == 0x4C0) return 0x4CF;
    if (IsPairedCapital(c, 0x4C1, 0x4CE)) return c + 1;
    if (IsPairedCapital(c, 0x4D0, 0x52F)) return c + 1;
    if (In(c, 0x531, 0x556)) return c + 48;
    return c;
}

char32_t LowerCodePoint(char32_t c) {
    if (c < 0x370 || c >= 0x1E00) return LowerLatin(c);
    if (c < 0x400) return LowerGreek(c);
    return LowerCyrillicArmenian(c);
}

}  // namespace

std::string LowerCase(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const std::optional<Decoded> decoded = DecodeAt(utf8, at);
        if (!decoded) {
            out += utf8[at++];
            continue;
        }
        Encode(LowerCodePoint(decoded->codePoint), out);
        at += decoded->length;
    }
    return out;
}

}  // namespace kelvo
