#include "store/SplitFields.h"

namespace kelvo {

std::vector<std::string> SplitFields(const std::string& text, const std::string& separator) {
    if (separator.empty()) return {text};
    const bool collapseSpaces = separator == " ";
    std::vector<std::string> fields(1);
    std::size_t start = 0;
    for (;;) {
        std::size_t found = text.find(separator, start);
        if (found == std::string::npos) {
            fields.back() = text.substr(start);
            return fields;
        }
        if (collapseSpaces && found == start) {
            ++start;
            continue;
        }
        fields.back() = text.substr(start, found - start);
        start = found + separator.size();
        fields.emplace_back();
    }
}

}  // namespace kelvo
