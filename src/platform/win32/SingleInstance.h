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

// The message a second copy posts to the settings window of the first.
UINT SecondStartMessage();

// For a second copy: asks the first to put its icon back and show its
// settings window, letting it come to the front. False when the first has
// no settings window (yet).
bool AskFirstCopyToShow();

}  // namespace kelvo
