#include "platform/win32/SystemError.h"

#include <cstdio>
#include <cwctype>

#include "platform/win32/Utf8.h"

namespace kelvo {
namespace {

std::string Replaced(std::string text, const std::string& insert, const std::string& by) {
    for (auto at = text.find(insert); at != std::string::npos; at = text.find(insert, at + by.size())) {
        text.replace(at, insert.size(), by);
    }
    return text;
}

// A failure code (an HRESULT, with its top bit set) reads as the system
// writes it, in hexadecimal; a plain error number in decimal.
std::string CodeText(DWORD code) {
    if ((code & 0x80000000u) == 0) return std::to_string(code);
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(code));
    return text;
}

}  // namespace

std::string SystemErrorText(DWORD code, const std::string& subject) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr, code, 0,
        reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = text ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!message.empty() && std::iswspace(message.back())) message.pop_back();
    if (message.empty()) return "error " + CodeText(code);
    return Replaced(Narrow(message), "%1", subject);
}

SystemError::SystemError(DWORD code, const std::string& what)
    : std::system_error(static_cast<int>(code), std::system_category()),
      text_(what + ": " + SystemErrorText(code, "")) {}

void ThrowUnlessDone(LSTATUS status, const std::string& what) {
    if (status != ERROR_SUCCESS) throw SystemError(static_cast<DWORD>(status), what);
}

}  // namespace kelvo
