#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "platform/win32/Deadline.h"

namespace kelvo {

// How a look at something on a drive or share ended.
enum class LookEnd {
    Done,
    // Still running at the deadline: the caller went on, the look ends on
    // its own, unseen.
    NotResponding,
    // Not started: an earlier look at the same root missed its deadline and
    // is still running, or ended only a short while ago.
    RootNotResponding,
};

// How long a root that missed a deadline is taken as not answering once
// its look has ended: a share that took that long is likely to again.
inline constexpr std::chrono::milliseconds kQuietAfterStuck{30000};

// Runs looks at files, folders and roots off the caller's thread under one
// deadline, and remembers the roots whose looks missed it: while such a
// look is still running, and for a while after, the root is not asked
// again. So at most one look per root is ever stuck, and a silent share
// costs the deadline once, not at every hover.
class RootLooks {
public:
    explicit RootLooks(std::chrono::milliseconds deadline = kReadDeadline,
                       std::chrono::milliseconds quietAfter = kQuietAfterStuck);

    // The looks of the whole program at the real deadline.
    static RootLooks& Shared();

    // Runs `look` at something on `root` ("X:\" or "\\server\share\", as
    // PathRoot gives it; empty when there is none, and then nothing is
    // remembered). `look` must own or share all it touches: it may outlive
    // the call, and this object.
    LookEnd Run(const std::string& root, std::function<void()> look);
    // True while `root` is taken as not answering.
    bool NotResponding(const std::string& root);

private:
    struct Roots;
    std::chrono::milliseconds deadline_;
    // Shared with the looks still running.
    std::shared_ptr<Roots> roots_;
};

}  // namespace kelvo
