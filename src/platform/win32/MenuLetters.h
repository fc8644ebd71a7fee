#pragma once

namespace kelvo {

// True when two characters are the same but for case, in any script, by
// the system's table of capitals (the one file names are matched by).
bool SameLetterWithoutCase(char32_t typed, char32_t first);

}  // namespace kelvo
