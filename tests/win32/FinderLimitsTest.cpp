#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "MessageWindow.h"
#include "platform/Image.h"
#include "platform/win32/HelperProcess.h"
#include "platform/win32/IconFinderProcess.h"
#include "platform/win32/OwnedHandle.h"
#include "platform/win32/ProgramFile.h"
#include "platform/win32/Win32IconFinder.h"

namespace kelvo {
namespace {

using std::chrono::milliseconds;

// Bounds a wait only so that a failing test ends; no passing test gets near.
constexpr DWORD kAmpleMs = 30000;

std::wstring StandIn() {
    const std::wstring tests = ThisProgram();
    return tests.substr(0, tests.find_last_of(L'\\') + 1) + L"finder_stand_in.exe";
}

// A request of a couple of megabytes, more than a pipe holds unread.
IconRequest LargeRequest() {
    return IconRequest{{16}, std::vector<std::string>(20000, "C:\\" + std::string(100, 'x') + ".txt"), {}};
}

JOBOBJECT_BASIC_ACCOUNTING_INFORMATION Accounting(const HelperJob& job) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    QueryInformationJobObject(job.Handle(), JobObjectBasicAccountingInformation, &accounting, sizeof accounting,
                              nullptr);
    return accounting;
}

// Tells of each process that enters a job.
class JobEntries {
public:
    explicit JobEntries(const HelperJob& job) : port_(CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1)) {
        JOBOBJECT_ASSOCIATE_COMPLETION_PORT association{nullptr, port_.Get()};
        SetInformationJobObject(job.Handle(), JobObjectAssociateCompletionPortInformation, &association,
                                sizeof association);
    }
    // The id of the next process to enter, 0 when none does.
    DWORD Next() const {
        DWORD event = 0;
        ULONG_PTR key = 0;
        LPOVERLAPPED id = nullptr;
        while (GetQueuedCompletionStatus(port_.Get(), &event, &key, &id, kAmpleMs)) {
            if (event == JOB_OBJECT_MSG_NEW_PROCESS) return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(id));
        }
        return 0;
    }

private:
    OwnedHandle port_;
};

class FinderLimitsTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetEnvironmentVariableW(L"KELVO_STAND_IN", nullptr);
        SetEnvironmentVariableW(L"KELVO_PROBE_HANDLE", nullptr);
    }
    static void StandInDoes(const wchar_t* mode) { SetEnvironmentVariableW(L"KELVO_STAND_IN", mode); }
};

// Whether it hangs before reading its request (the request is then too
// large to be written whole) or after, it is ended at the deadline and its
// caller goes on.
TEST_F(FinderLimitsTest, AFinderThatDoesNotAnswerIsEndedAndLeavesNoProcess) {
    struct Case {
        const wchar_t* mode;
        IconRequest request;
    };
    const Case cases[] = {{L"hang-at-once", LargeRequest()}, {L"hang-after", IconRequest{{16}, {"C:\\a.txt"}, {}}},
                          {L"fail", IconRequest{{16}, {"C:\\a.txt"}, {}}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.mode)));
        StandInDoes(c.mode);
        const HelperJob job;
        ASSERT_NE(job.Handle(), nullptr);
        EXPECT_EQ(AskIconFinder(c.request, StandIn(), job, milliseconds(300)), std::nullopt);
        const JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = Accounting(job);
        EXPECT_EQ(accounting.TotalProcesses, 1U) << "the finder ran in the job";
        EXPECT_EQ(accounting.ActiveProcesses, 0U) << "and has ended";
    }
}

// As when the program ends, however it ends: the system closes its job.
TEST_F(FinderLimitsTest, ClosingTheJobEndsARunningFinder) {
    StandInDoes(L"hang-after");
    auto job = std::make_unique<HelperJob>();
    const JobEntries entries(*job);
    std::optional<IconAnswer> answer{IconAnswer{}};
    std::thread asking([&] { answer = AskIconFinder(IconRequest{{16}, {"C:\\a.txt"}, {}}, StandIn(), *job); });
    const DWORD finderId = entries.Next();
    ASSERT_NE(finderId, 0U);
    const OwnedHandle finder(OpenProcess(SYNCHRONIZE, FALSE, finderId));
    ASSERT_NE(finder.Get(), nullptr);

    job.reset();
    EXPECT_EQ(WaitForSingleObject(finder.Get(), kAmpleMs), WAIT_OBJECT_0) << "the finder has ended";
    asking.join();
    EXPECT_EQ(answer, std::nullopt);
}

// The probe resets the event when it holds the test's handle: started as
// any program that inherits, it does; started as the finder, it does not.
TEST_F(FinderLimitsTest, TheFinderInheritsNoHandleButItsPipeEnds) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const OwnedHandle event(CreateEventW(&inherited, TRUE, TRUE, nullptr));
    ASSERT_NE(event.Get(), nullptr);
    const std::wstring value = std::to_wstring(reinterpret_cast<std::uintptr_t>(event.Get()));
    SetEnvironmentVariableW(L"KELVO_PROBE_HANDLE", value.c_str());
    StandInDoes(L"probe");

    std::wstring commandLine = L"\"" + StandIn() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessW(StandIn().c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                               nullptr, nullptr, &startup, &started));
    const OwnedHandle probe(started.hProcess);
    CloseHandle(started.hThread);
    ASSERT_EQ(WaitForSingleObject(probe.Get(), kAmpleMs), WAIT_OBJECT_0);
    ASSERT_EQ(WaitForSingleObject(event.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the probe sees what it inherits";

    SetEvent(event.Get());
    const HelperJob job;
    AskIconFinder(IconRequest{{16}, {"C:\\a.txt"}, {}}, StandIn(), job);
    EXPECT_EQ(Accounting(job).TotalProcesses, 1U) << "the probe ran";
    EXPECT_EQ(WaitForSingleObject(event.Get(), 0), WAIT_OBJECT_0) << "the finder did not inherit the event";
}

// A failed finder is tried once more; after that, the next folder opening
// meets the same types: a finder for them would most likely fail again.
TEST_F(FinderLimitsTest, TypesOfAFailedFinderStartNoFinderAtTheNextFolderOpening) {
    StandInDoes(L"fail");
    const MessageWindow window;
    FoundPictures found;
    Win32IconFinder finder(window.handle, found, StandIn());
    finder.FindLater(1, {"C:\\a.txt"});
    ASSERT_EQ(window.Next(kIconsFoundMessage), 1U);
    EXPECT_EQ(finder.Take(1), std::nullopt);

    EXPECT_EQ(finder.TypeIcon("C:\\folder\\b.txt", false), kBlankIcon);
    EXPECT_EQ(finder.TypeIcon("C:\\folder\\inner", true), kBlankIcon);
    EXPECT_FALSE(window.Posted(kTypesWantedMessage)) << "no finder is asked for them";
    finder.TypeIcon("C:\\folder\\c.png", false);
    EXPECT_TRUE(window.Posted(kTypesWantedMessage)) << "a type not asked yet is";
}

}  // namespace
}  // namespace kelvo
