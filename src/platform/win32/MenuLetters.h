#pragma once
#include <windows.h>

namespace kelvo {

// True when two characters are the same but for case, in any script, by
// the system's table of capitals (the one file names are matched by).
bool SameLetterWithoutCase(char32_t typed, char32_t first);

// The answer of `owner` to WM_MENUCHAR for `typed` in `menu`: MNC_SELECT
// with the next row after the highlighted one whose caption, as shown,
// starts with it, wrapping around; MNC_IGNORE, a beep, when none does.
LRESULT AnswerMenuChar(HWND owner, HMENU menu, wchar_t typed);

}  // namespace kelvo
