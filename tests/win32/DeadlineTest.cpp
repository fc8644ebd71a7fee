#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "platform/win32/Deadline.h"

namespace kelvo {
namespace {

using std::chrono::milliseconds;

// Long enough for any work below that is meant to end in time.
constexpr milliseconds kAmple{30000};

// An event that lets a piece of work go on; it lives as long as the last
// of its holders, the test or the work.
struct Gate {
    Gate() : event(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Gate() { CloseHandle(event); }
    Gate(const Gate&) = delete;
    Gate& operator=(const Gate&) = delete;
    HANDLE event;
};

// Work that waits at the gate, as a listing of a share that does not answer.
std::function<void()> WaitingAt(const std::shared_ptr<Gate>& gate) {
    return [gate] { WaitForSingleObject(gate->event, INFINITE); };
}

bool WaitUntilReleased(const std::weak_ptr<Gate>& gate) {
    for (int tries = 0; tries < 3000 && !gate.expired(); ++tries) Sleep(10);
    return gate.expired();
}

TEST(DeadlineTest, WorkDoneInTimeIsSeenByTheCaller) {
    const auto answer = std::make_shared<int>(0);
    EXPECT_TRUE(RunWithin(kAmple, [answer] { *answer = 42; }));
    EXPECT_EQ(*answer, 42);
}

TEST(DeadlineTest, WhatWorkDoneInTimeThrowsReachesTheCaller) {
    EXPECT_THROW(RunWithin(kAmple, [] { throw std::runtime_error("refused"); }), std::runtime_error);
}

// The caller goes on; the work keeps its own share of what it uses, and lets
// go of it once it ends.
TEST(DeadlineTest, WorkNotDoneInTimeIsLeftToEndOnItsOwn) {
    auto gate = std::make_shared<Gate>();
    EXPECT_FALSE(RunWithin(milliseconds(50), WaitingAt(gate)));
    const std::weak_ptr<Gate> held = gate;
    SetEvent(gate->event);
    gate.reset();
    EXPECT_TRUE(WaitUntilReleased(held)) << "the work ended and let go of its gate";
}

TEST(DeadlineDeathTest, TheProgramEndsNormallyWhileWorkIsLeftBehind) {
    EXPECT_EXIT(
        {
            RunWithin(milliseconds(50), WaitingAt(std::make_shared<Gate>()));
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace kelvo
