#include "platform/win32/SingleInstance.h"

#include "platform/win32/TrayWindow.h"

namespace kelvo {

namespace {
// Another copy shows itself by the name existing, or by the name being
// held where this process may not open it.
bool NoOtherCopy(HANDLE mutex) {
    const DWORD error = GetLastError();
    return mutex ? error != ERROR_ALREADY_EXISTS : error != ERROR_ACCESS_DENIED;
}
}  // namespace

SingleInstance::SingleInstance(const wchar_t* name)
    : mutex_(CreateMutexW(nullptr, FALSE, name)), first_(NoOtherCopy(mutex_)) {}

SingleInstance::~SingleInstance() {
    if (mutex_) CloseHandle(mutex_);
}

UINT SecondStartMessage() {
    static const UINT message = RegisterWindowMessageW(L"KelvoTop.ShowSettings");
    return message;
}

bool AskFirstCopyToShow() {
    HWND first = FindWindowW(kTrayClassName, nullptr);
    if (first == nullptr) return false;
    DWORD process = 0;
    GetWindowThreadProcessId(first, &process);
    // Only the foreground process, this one, may hand the front over.
    AllowSetForegroundWindow(process);
    return PostMessageW(first, SecondStartMessage(), 0, 0) != FALSE;
}

}  // namespace kelvo
