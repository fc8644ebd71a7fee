#include "platform/win32/MenuLetters.h"

#include <windows.h>

#include <string>

namespace kelvo {
namespace {

std::wstring Utf16(char32_t character) {
    if (character < 0x10000) return std::wstring(1, static_cast<wchar_t>(character));
    const char32_t offset = character - 0x10000;
    return {static_cast<wchar_t>(0xD800 + (offset >> 10)), static_cast<wchar_t>(0xDC00 + (offset & 0x3FF))};
}

}  // namespace

bool SameLetterWithoutCase(char32_t typed, char32_t first) {
    const std::wstring a = Utf16(typed);
    const std::wstring b = Utf16(first);
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

}  // namespace kelvo
