#pragma once
#include <windows.h>

#include <string>

#include "platform/win32/Win32Options.h"

namespace kelvo {

// A sign-in entry under a key of its own in HKEY_CURRENT_USER, removed with
// it, so that the user's real start-up entries are never touched.
class ScratchSignIn {
public:
    ScratchSignIn()
        : path_(L"Software\\KelvoTopTest-SignIn-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++serial_)),
          start_(path_) {}
    ~ScratchSignIn() { RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }
    ScratchSignIn(const ScratchSignIn&) = delete;
    ScratchSignIn& operator=(const ScratchSignIn&) = delete;

    Win32SignInStart& Start() { return start_; }

private:
    static inline int serial_ = 0;
    std::wstring path_;
    Win32SignInStart start_;
};

}  // namespace kelvo
