#include "text/TextUtils.h"

#include <algorithm>

namespace kelvo {

std::string& StripNulls(std::string& item) {
    if (auto nul = item.find('\0'); nul != std::string::npos) item.resize(nul);
    return item;
}

int GetHiWord(std::int32_t dw) {
    // The divisor is 65535, not 65536: callers only test for a result above 0,
    // which holds from 65535 on.
    std::int32_t high = dw / 65535;
    if (dw < 0) --high;
    return static_cast<int>(std::clamp<std::int32_t>(high, -32768, 32767));
}

std::string AsciiLowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

void AppendLine(std::string& text, const std::string& line) {
    text += (text.empty() ? "" : "\n") + line;
}

}  // namespace kelvo
