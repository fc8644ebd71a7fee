#pragma once
#include <string>
#include <vector>

namespace kelvo {

// Splits `text` at every `separator` into at least one field. Touching
// separators give empty fields, and the text after the last one is always
// the last field; a single-space separator instead collapses runs of spaces.
// An empty separator gives the whole text as the only field.
std::vector<std::string> SplitFields(const std::string& text, const std::string& separator);

}  // namespace kelvo
