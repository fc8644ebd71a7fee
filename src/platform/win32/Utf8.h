#pragma once
#include <string>
#include <string_view>

namespace kelvo {

// The only conversions between the logic's UTF-8 and the wide Windows calls.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace kelvo
