#pragma once
#include <windows.h>

namespace kelvo {

// While it lives, an empty card reader or disc drive does not ask the user
// of the calling thread to insert a disk.
class NoDiskPrompts {
public:
    NoDiskPrompts() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &before_); }
    ~NoDiskPrompts() { SetThreadErrorMode(before_, nullptr); }
    NoDiskPrompts(const NoDiskPrompts&) = delete;
    NoDiskPrompts& operator=(const NoDiskPrompts&) = delete;

private:
    DWORD before_ = 0;
};

}  // namespace kelvo
