#pragma once
#include <chrono>
#include <functional>

namespace kelvo {

// How long listing a folder or resolving shortcuts may hold the caller.
inline constexpr std::chrono::milliseconds kReadDeadline{1000};

// Runs `work` on a thread of its own and waits at most `deadline` for it to
// end. True when it did (an exception it threw is thrown again here). When
// it did not, the caller goes on, and the work ends on its own, unseen: it
// must own, or share, everything it touches. The process may end before it.
bool RunWithin(std::chrono::milliseconds deadline, std::function<void()> work);

}  // namespace kelvo
