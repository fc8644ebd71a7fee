#pragma once
#include <string>
#include <string_view>

namespace kelvo {

// The only conversions between the logic's UTF-8 and the wide Windows calls.
// A UTF-16 surrogate without its partner, which Windows allows in file
// names, is carried as its own three-byte sequence (WTF-8), so every name
// the system hands over comes back to it unchanged. Bytes that are no UTF-8
// at all become U+FFFD.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace kelvo
