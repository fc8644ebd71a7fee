#pragma once
#include <windows.h>

#include <string>
#include <system_error>

namespace kelvo {

// The system's text for error `code` (an error number or an HRESULT) in the
// user's language, as UTF-8 and without its line end; a "%1" in it stands
// for `subject`. A code the system has no text for reads "error 5" or
// "error 0x8BADF00D".
std::string SystemErrorText(DWORD code, const std::string& subject);

// A refusal of the system. Its what() is "<what>: <the system's text>" in
// the user's language: the runtime's own text for a system_error is in the
// ANSI code page, which shows garbled once widened as UTF-8.
class SystemError : public std::system_error {
public:
    SystemError(DWORD code, const std::string& what);
    const char* what() const noexcept override { return text_.c_str(); }

private:
    std::string text_;
};

// Throws SystemError unless `status` says the call was done.
void ThrowUnlessDone(LSTATUS status, const std::string& what);

}  // namespace kelvo
