#include "platform/win32/MenuLetters.h"

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "menus/LetterJump.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/WineCheck.h"

namespace kelvo {
namespace {

std::wstring Utf16(char32_t character) {
    if (character < 0x10000) return std::wstring(1, static_cast<wchar_t>(character));
    const char32_t offset = character - 0x10000;
    return {static_cast<wchar_t>(0xD800 + (offset >> 10)), static_cast<wchar_t>(0xDC00 + (offset & 0x3FF))};
}

// A level's row as typing sees it, and whether it is highlighted.
struct ShownRow {
    LetterRow row;
    bool highlighted = false;
};

// The row at `pos`: whether it is grey or lit, and the caption it shows, its
// text with each doubled '&' single (empty for a separator or column break).
ShownRow RowAt(HMENU menu, int pos) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &info);
    ShownRow shown{{{}, (info.fState & MFS_DISABLED) != 0}, (info.fState & MFS_HILITE) != 0};
    if ((info.fType & MFT_SEPARATOR) != 0 || info.cch == 0) return shown;
    std::wstring text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &info);
    text.resize(wcslen(text.c_str()));
    std::wstring caption;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == L'&' && at + 1 < text.size()) ++at;
        caption += text[at];
    }
    shown.row.caption = Narrow(caption);
    return shown;
}

// Wine's menu loop acts on MNC_EXECUTE and MNC_CLOSE only, and beeps at
// MNC_SELECT; there the row is selected here, as the menu manager would,
// and the row lit before is put out, which Wine leaves lit.
void SelectRow(HWND owner, HMENU menu, std::optional<int> highlighted, int next) {
    if (highlighted == next) return;
    if (highlighted) HiliteMenuItem(owner, menu, static_cast<UINT>(*highlighted), MF_BYPOSITION | MF_UNHILITE);
    HiliteMenuItem(owner, menu, static_cast<UINT>(next), MF_BYPOSITION | MF_HILITE);
}

}  // namespace

LRESULT AnswerMenuChar(HWND owner, HMENU menu, wchar_t typed) {
    const int count = GetMenuItemCount(menu);
    std::vector<LetterRow> rows;
    std::optional<int> highlighted;
    for (int pos = 0; pos < count; ++pos) {
        ShownRow shown = RowAt(menu, pos);
        rows.push_back(std::move(shown.row));
        if (shown.highlighted) highlighted = pos;
    }
    const std::optional<int> next = NextRowStartingWith(rows, highlighted, typed, SameLetterWithoutCase);
    if (!next) return MAKELRESULT(0, MNC_IGNORE);
    if (RunsUnderWine()) SelectRow(owner, menu, highlighted, *next);
    return MAKELRESULT(*next, MNC_SELECT);
}

bool SameLetterWithoutCase(char32_t typed, char32_t first) {
    const std::wstring a = Utf16(typed);
    const std::wstring b = Utf16(first);
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

}  // namespace kelvo
