#pragma once
#include <windows.h>

#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

namespace kelvo {

// Answers worked out on threads of their own, waiting for the window's
// thread to take them: the message that tells of one carries no pointer that
// another process could forge, only its request.
template <class Answer>
class PostedAnswers {
public:
    // Runs `work` on a thread of its own, which keeps its answer here and
    // posts `message` with `request` in wParam to `window`; work that throws
    // (a large answer that finds no memory) answers `ifFailed` instead of
    // ending the program. False when no thread could be had.
    template <class Work>
    static bool WorkLater(const std::shared_ptr<PostedAnswers>& answers, HWND window, UINT message,
                          unsigned request, Work work, Answer ifFailed) {
        try {
            std::thread([answers, window, message, request, work = std::move(work),
                         ifFailed = std::move(ifFailed)]() mutable {
                answers->Put(request, Attempt(work, std::move(ifFailed)));
                PostMessageW(window, message, request, 0);
            }).detach();
            return true;
        } catch (const std::system_error&) {
            return false;
        }
    }

    void Put(unsigned request, Answer answer) {
        const std::lock_guard lock(guard_);
        byRequest_[request] = std::move(answer);
    }

    // The answer to `request`, once; nothing when none is waiting. Answers
    // to earlier requests, whose messages went astray, go too.
    std::optional<Answer> Take(unsigned request) {
        const std::lock_guard lock(guard_);
        const auto found = byRequest_.find(request);
        if (found == byRequest_.end()) return std::nullopt;
        Answer answer = std::move(found->second);
        byRequest_.erase(byRequest_.begin(), std::next(found));
        return answer;
    }

private:
    template <class Work>
    static Answer Attempt(Work& work, Answer ifFailed) {
        try {
            return work();
        } catch (...) {
            return ifFailed;
        }
    }

    std::mutex guard_;
    std::map<unsigned, Answer> byRequest_;
};

}  // namespace kelvo
