#include "platform/win32/HelperProcess.h"

#include <array>
#include <vector>

namespace kelvo {
namespace {

// The attribute that names the only handles a new process inherits.
class InheritOnly {
public:
    explicit InheritOnly(std::array<HANDLE, 2> handles) : handles_(handles) {
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        storage_.resize(size);
        auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data());
        if (size == 0 || !InitializeProcThreadAttributeList(list, 1, 0, &size)) return;
        list_ = list;
        if (!UpdateProcThreadAttribute(list_, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles_.data(),
                                       sizeof handles_, nullptr, nullptr)) {
            Release();
        }
    }
    ~InheritOnly() { Release(); }
    InheritOnly(const InheritOnly&) = delete;
    InheritOnly& operator=(const InheritOnly&) = delete;

    // Null when the list could not be made.
    LPPROC_THREAD_ATTRIBUTE_LIST Get() const { return list_; }

private:
    void Release() {
        if (list_ != nullptr) DeleteProcThreadAttributeList(list_);
        list_ = nullptr;
    }

    std::array<HANDLE, 2> handles_;
    std::vector<unsigned char> storage_;
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
};

// Handles in the list must be inheritable; made so only now, and closed by
// the caller once the helper has started, they are open to inheritance for
// no longer than the start takes, and then only by this helper.
bool MakeInheritable(HANDLE input, HANDLE output) {
    return SetHandleInformation(input, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT) &&
           SetHandleInformation(output, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
}

// Not started suspended: under Wine a process started suspended and
// ended before it ran stays behind, stopped in its start-up, beyond the
// reach of the server. A helper that runs a moment before it is in the job
// ends on its own if this program is gone by then: its request never comes.
OwnedHandle Start(const std::wstring& program, std::wstring_view arguments, HANDLE input, HANDLE output) {
    if (program.empty() || !MakeInheritable(input, output)) return {};
    const InheritOnly inherited({input, output});
    if (inherited.Get() == nullptr) return {};
    std::wstring commandLine = L"\"" + program + L"\" " + std::wstring(arguments);
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES | STARTF_FORCEOFFFEEDBACK;
    startup.StartupInfo.hStdInput = input;
    startup.StartupInfo.hStdOutput = output;
    startup.lpAttributeList = inherited.Get();
    PROCESS_INFORMATION started{};
    const DWORD flags = CREATE_NO_WINDOW | BELOW_NORMAL_PRIORITY_CLASS | EXTENDED_STARTUPINFO_PRESENT;
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, flags, nullptr, nullptr,
                        &startup.StartupInfo, &started)) {
        return {};
    }
    CloseHandle(started.hThread);
    return OwnedHandle(started.hProcess);
}

}  // namespace

HelperJob::HelperJob() : job_(CreateJobObjectW(nullptr, nullptr)) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job_.Get() != nullptr &&
        !SetInformationJobObject(job_.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        job_.Close();
    }
}

// Never destroyed, so that a worker still starting a helper as the program
// exits finds it open: the system closes it as the program ends, however it
// ends, a crash included, and its helpers end with it.
HelperJob& HelperJob::OfThisProgram() {
    static HelperJob& job = *new HelperJob;
    return job;
}

HelperProcess::HelperProcess(const std::wstring& program, std::wstring_view arguments, HANDLE input,
                             HANDLE output, const HelperJob& job, std::chrono::milliseconds deadline) {
    process_ = Start(program, arguments, input, output);
    if (!Running()) return;
    // Where this program itself runs in a job that lets no process into
    // another (Windows 7 nests no jobs), the helper stays in that one: it
    // then does not end with this program, but its deadline still holds.
    if (job.Handle() != nullptr) AssignProcessToJobObject(job.Handle(), process_.Get());
    if (!WatchUntil(deadline)) {
        End();
        process_.Close();
    }
}

HelperProcess::~HelperProcess() {
    if (Running()) End();
    StopWatching();
}

void HelperProcess::End() {
    TerminateProcess(process_.Get(), kHelperEnded);
}

DWORD HelperProcess::WaitForExit() {
    // Bounded: the deadline's watch ends the helper at the latest then.
    WaitForSingleObject(process_.Get(), INFINITE);
    DWORD exitCode = kHelperEnded;
    GetExitCodeProcess(process_.Get(), &exitCode);
    return exitCode;
}

bool HelperProcess::WatchUntil(std::chrono::milliseconds deadline) {
    if (RegisterWaitForSingleObject(&deadlineWait_, process_.Get(), EndAtDeadline, process_.Get(),
                                    static_cast<ULONG>(deadline.count()), WT_EXECUTEONLYONCE)) {
        return true;
    }
    deadlineWait_ = nullptr;
    return false;
}

void CALLBACK HelperProcess::EndAtDeadline(void* process, BOOLEAN timedOut) {
    if (timedOut) TerminateProcess(process, kHelperEnded);
}

// Waits for a watch that is ending the helper right now, which uses its handle.
void HelperProcess::StopWatching() {
    if (deadlineWait_ != nullptr) UnregisterWaitEx(deadlineWait_, INVALID_HANDLE_VALUE);
    deadlineWait_ = nullptr;
}

}  // namespace kelvo
