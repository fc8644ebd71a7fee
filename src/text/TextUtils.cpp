#include "text/TextUtils.h"

#include <algorithm>

namespace kelvo {

std::string& StripNulls(std::string& item) {
    if (auto nul = item.find('\0'); nul != std::string::npos) item.resize(nul);
    return item;
}

int GetHiWord(std::int32_t dw) {
    // The divisor is 65535, not 65536: callers only test for a result above 0,
    // which holds from 65535 on.
    std::int32_t high = dw / 65535;
    if (dw < 0) --high;
    return static_cast<int>(std::clamp<std::int32_t>(high, -32768, 32767));
}

std::string AsciiLowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

void AppendLine(std::string& text, const std::string& line) {
    text += (text.empty() ? "" : "\n") + line;
}

namespace {

// A byte that is not a continuation byte starts a character; so does the
// first byte of all, so that text which is not UTF-8 is cut whole too.
bool StartsCharacter(const std::string& text, std::size_t byte) {
    return byte == 0 || (static_cast<unsigned char>(text[byte]) & 0xC0) != 0x80;
}

// The byte where character `index` of `text` starts; its size past the last.
std::size_t ByteOfCharacter(const std::string& text, std::size_t index) {
    std::size_t byte = 0;
    for (std::size_t seen = 0; byte < text.size(); ++byte) {
        if (StartsCharacter(text, byte) && seen++ == index) break;
    }
    return byte;
}

}  // namespace

std::size_t CodePoints(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t byte = 0; byte < text.size(); ++byte) count += StartsCharacter(text, byte) ? 1 : 0;
    return count;
}

std::string ShortenedInTheMiddle(const std::string& text, std::size_t kept) {
    const std::size_t count = CodePoints(text);
    if (count <= kept) return text;
    const std::size_t head = (kept + 1) / 2;
    return text.substr(0, ByteOfCharacter(text, head)) + "\xE2\x80\xA6" +
           text.substr(ByteOfCharacter(text, count - (kept - head)));
}

}  // namespace kelvo
