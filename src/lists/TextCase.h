#pragma once
#include <string>

namespace kelvo {

// `utf8` with its letters lower-cased by fixed Unicode rules, the same on
// every machine and locale: ASCII, Latin-1, Latin Extended-A and Additional,
// Greek, Cyrillic, Armenian and full-width Latin. Bytes that are not valid
// UTF-8 are kept as they are.
std::string LowerCase(const std::string& utf8);

}  // namespace kelvo
