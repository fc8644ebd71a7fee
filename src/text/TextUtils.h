#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace kelvo {

// Cuts `item` in place at its first NUL and returns it; text from fixed-size
// buffers of Windows calls ends there.
std::string& StripNulls(std::string& item);

// The upper half of a 32-bit result as the earlier program computed it:
// dw / 65535, one less for negative values. Results beyond 16 bits saturate
// at -32768 and 32767.
int GetHiWord(std::int32_t dw);

// `text` with its ASCII letters lower-cased and every other byte kept.
std::string AsciiLowerCase(std::string text);

// Adds `line` to `text`, on a line of its own after any text already there.
void AppendLine(std::string& text, const std::string& line);

// The characters (code points) of the UTF-8 `text`; continuation bytes
// with no lead byte before them count as one character.
std::size_t CodePoints(const std::string& text);

// The UTF-8 `text` as it is where it has no more than `kept` characters,
// else its first and last characters, `kept` in all, with "…" between.
std::string ShortenedInTheMiddle(const std::string& text, std::size_t kept);

}  // namespace kelvo
