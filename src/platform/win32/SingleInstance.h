#pragma once
#include <windows.h>

namespace kelvo {

// A named mutex held for the life of the program, so that one user session
// runs one copy with one icon.
class SingleInstance {
public:
    explicit SingleInstance(const wchar_t* name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another copy held the name first.
    bool IsFirst() const { return first_; }

private:
    HANDLE mutex_;
    bool first_;
};

inline constexpr wchar_t kSingleInstanceName[] = L"Local\\KelvoTop.SingleInstance";

}  // namespace kelvo
