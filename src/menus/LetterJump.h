#pragma once
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace kelvo {

// True when two characters are the same but for case. Portable code can
// tell only for ASCII letters; the system knows every script.
using SameLetter = std::function<bool(char32_t typed, char32_t first)>;

// ASCII letters without regard to case; any other character only itself.
bool SameAsciiLetter(char32_t typed, char32_t first);

// The position of the next row after `highlighted` (or from the top when
// none is) whose caption starts with `typed`, wrapping around; nullopt when
// no row's does. `captions` holds a level's rows by position, UTF-8, with an
// empty caption for each separator or column break, which is no row to
// land on.
std::optional<int> NextRowStartingWith(std::span<const std::string> captions, std::optional<int> highlighted,
                                       char32_t typed, const SameLetter& same = SameAsciiLetter);

}  // namespace kelvo
