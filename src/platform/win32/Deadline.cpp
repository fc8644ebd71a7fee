#include "platform/win32/Deadline.h"

#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

namespace kelvo {
namespace {

// Shared by the caller and the worker, so that either may be the last to
// let go of it.
struct Run {
    std::mutex guard;
    std::condition_variable ended;
    bool done = false;
    std::exception_ptr failure;
};

}  // namespace

bool RunWithin(std::chrono::milliseconds deadline, std::function<void()> work) {
    const auto run = std::make_shared<Run>();
    std::thread([run, work = std::move(work)] {
        std::exception_ptr failure;
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        const std::lock_guard lock(run->guard);
        run->failure = failure;
        run->done = true;
        run->ended.notify_one();
    }).detach();
    std::unique_lock lock(run->guard);
    if (!run->ended.wait_for(lock, deadline, [&run] { return run->done; })) return false;
    if (run->failure) std::rethrow_exception(run->failure);
    return true;
}

}  // namespace kelvo
