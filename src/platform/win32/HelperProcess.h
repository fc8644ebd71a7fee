#pragma once
#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>

#include "platform/win32/OwnedHandle.h"

namespace kelvo {

// The exit code of a helper ended by this program.
inline constexpr DWORD kHelperEnded = 0xDEAD;

// A job whose processes end once its last handle closes: when its owner
// lets go of it, or however the owning process ends.
class HelperJob {
public:
    HelperJob();
    HelperJob(const HelperJob&) = delete;
    HelperJob& operator=(const HelperJob&) = delete;

    // The job of this program's helpers, open for as long as the program runs.
    static HelperJob& OfThisProgram();
    // Null when no job could be made.
    HANDLE Handle() const { return job_.Get(); }

private:
    OwnedHandle job_;
};

// A short-lived process that works for this program: put in `job` as soon
// as it is started, inheriting its standard input and output and no other
// handle, without the busy pointer and without a window.
// It is ended when `deadline` has passed, or when this object goes.
class HelperProcess {
public:
    HelperProcess(const std::wstring& program, std::wstring_view arguments, HANDLE input, HANDLE output,
                  const HelperJob& job, std::chrono::milliseconds deadline);
    ~HelperProcess();
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

    // False when it could not be started, or not under its deadline.
    bool Running() const { return process_.Get() != nullptr; }
    // Ends it now.
    void End();
    // Waits until it has ended, at its deadline at the latest; its exit code.
    DWORD WaitForExit();

private:
    // Has the system's thread pool end it once `deadline` has passed.
    bool WatchUntil(std::chrono::milliseconds deadline);
    static void CALLBACK EndAtDeadline(void* process, BOOLEAN timedOut);
    void StopWatching();

    OwnedHandle process_;
    HANDLE deadlineWait_ = nullptr;
};

}  // namespace kelvo
