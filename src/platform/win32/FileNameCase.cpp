#include "platform/win32/FileNameCase.h"

#include <windows.h>

namespace kelvo {

namespace {

// Unicode's lower-case mapping of every letter (linguistic casing) in the
// invariant locale: the file system matches names the same way whatever the
// user's language, so a Turkish user's "I" must not become a dotless "ı".
std::wstring SystemLowerCase(std::wstring_view text) {
    std::wstring lowered(text.size(), L'\0');
    const int length = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING, text.data(),
                                     static_cast<int>(text.size()), lowered.data(),
                                     static_cast<int>(lowered.size()), nullptr, nullptr, 0);
    lowered.resize(static_cast<std::size_t>(length));
    return lowered;
}

// The comparison that the file system uses for names.
bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

// UTF-16 units of the character at `at`: a surrogate pair is one character.
std::size_t CharacterLength(std::wstring_view text, std::size_t at) {
    const bool pair = IS_HIGH_SURROGATE(text[at]) && at + 1 < text.size() && IS_LOW_SURROGATE(text[at + 1]);
    return pair ? 2 : 1;
}

}  // namespace

std::wstring LowerCaseMatchingName(std::wstring_view name) {
    std::wstring lowered = SystemLowerCase(name);
    // Lower-casing maps each character to one of the same length; anything
    // else leaves no character-by-character match to check.
    if (lowered.size() != name.size()) return std::wstring(name);
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t length = CharacterLength(name, at);
        const std::wstring_view original = name.substr(at, length);
        if (!SameIgnoringCase(std::wstring_view(lowered).substr(at, length), original)) {
            lowered.replace(at, length, original);
        }
        at += length;
    }
    return lowered;
}

}  // namespace kelvo
