#include "platform/win32/SingleInstance.h"

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

}  // namespace kelvo
