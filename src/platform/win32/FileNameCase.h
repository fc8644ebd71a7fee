#pragma once
#include <string>
#include <string_view>

namespace kelvo {

// `name` lower-cased with the system's invariant rules, except for each
// character whose lower-case form the file system's case-insensitive
// comparison does not match back to it: that one keeps its case.
std::wstring LowerCaseMatchingName(std::wstring_view name);

}  // namespace kelvo
