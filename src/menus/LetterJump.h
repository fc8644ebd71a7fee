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

// A row of a level as typing sees it: its caption as shown, UTF-8, empty for
// a separator or a column break; and whether it is grey, as a notice such as
// "Not available" is. Neither an empty nor a grey row is landed on.
struct LetterRow {
    std::string caption;
    bool grey = false;
};

// The position of the next row after `highlighted` (or from the top when
// none is) whose caption starts with `typed`, wrapping around; nullopt when
// no row's does. `rows` holds a level's rows by position.
std::optional<int> NextRowStartingWith(std::span<const LetterRow> rows, std::optional<int> highlighted,
                                       char32_t typed, const SameLetter& same = SameAsciiLetter);

}  // namespace kelvo
