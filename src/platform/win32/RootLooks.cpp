#include "platform/win32/RootLooks.h"

#include <map>
#include <mutex>
#include <utility>

#include "text/TextUtils.h"

namespace kelvo {
namespace {

using Clock = std::chrono::steady_clock;

// One look, shared by the caller and its thread: whichever comes second
// knows whether the look ended in time.
struct Look {
    bool ended = false;
    bool late = false;
};

}  // namespace

// The roots whose looks missed the deadline, by root with ASCII letters
// lower-cased.
struct RootLooks::Roots {
    struct Stuck {
        int looks = 0;
        Clock::time_point quietUntil{};
    };

    // Tells the roots that a look ended however it ends, a throw included.
    struct EndTold {
        Roots& roots;
        const std::string& root;
        Look& look;
        ~EndTold() { roots.Ended(root, look); }
    };

    explicit Roots(std::chrono::milliseconds quiet) : quietAfter(quiet) {}

    bool NotResponding(const std::string& root) {
        const std::lock_guard lock(guard);
        const auto found = stuck.find(root);
        if (found == stuck.end()) return false;
        if (found->second.looks > 0 || Clock::now() < found->second.quietUntil) return true;
        stuck.erase(found);
        return false;
    }
    void Ended(const std::string& root, Look& look) {
        const std::lock_guard lock(guard);
        look.ended = true;
        if (!look.late) return;
        Stuck& entry = stuck[root];
        --entry.looks;
        entry.quietUntil = Clock::now() + quietAfter;
    }
    // True when the look is still running now; it then counts as stuck on
    // its root until it ends.
    bool MissedDeadline(const std::string& root, Look& look) {
        const std::lock_guard lock(guard);
        if (look.ended) return false;
        look.late = true;
        ++stuck[root].looks;
        return true;
    }

    std::chrono::milliseconds quietAfter;
    std::mutex guard;
    std::map<std::string, Stuck> stuck;
};

RootLooks::RootLooks(std::chrono::milliseconds deadline, std::chrono::milliseconds quietAfter)
    : deadline_(deadline), roots_(std::make_shared<Roots>(quietAfter)) {}

RootLooks& RootLooks::Shared() {
    static RootLooks shared;
    return shared;
}

LookEnd RootLooks::Run(const std::string& root, std::function<void()> look) {
    const std::string key = AsciiLowerCase(root);
    if (key.empty()) return RunWithin(deadline_, std::move(look)) ? LookEnd::Done : LookEnd::NotResponding;
    if (roots_->NotResponding(key)) return LookEnd::RootNotResponding;
    const auto state = std::make_shared<Look>();
    const bool inTime = RunWithin(deadline_, [roots = roots_, key, state, look = std::move(look)] {
        const Roots::EndTold told{*roots, key, *state};
        look();
    });
    if (inTime || !roots_->MissedDeadline(key, *state)) return LookEnd::Done;
    return LookEnd::NotResponding;
}

bool RootLooks::NotResponding(const std::string& root) {
    return roots_->NotResponding(AsciiLowerCase(root));
}

}  // namespace kelvo
