#include "platform/win32/Win32Follower.h"

#include <iterator>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/win32/Win32FolderReader.h"

namespace kelvo {

void Win32Follower::FollowLater(unsigned request, std::vector<std::string> paths) {
    try {
        std::thread([window = window_, answers = answers_, request, paths = std::move(paths)] {
            std::vector<ShortcutTarget> targets = FollowWithoutDeadline(paths);
            {
                const std::lock_guard lock(answers->guard);
                answers->byRequest[request] = std::move(targets);
            }
            PostMessageW(window, kEntriesFollowedMessage, request, 0);
        }).detach();
    } catch (const std::system_error&) {
        // No thread to be had: the entries stay plain rows.
    }
}

std::optional<std::vector<ShortcutTarget>> Win32Follower::Take(unsigned request) {
    const std::lock_guard lock(answers_->guard);
    const auto found = answers_->byRequest.find(request);
    if (found == answers_->byRequest.end()) return std::nullopt;
    std::vector<ShortcutTarget> targets = std::move(found->second);
    // Answers to earlier requests, whose messages went astray, go too.
    answers_->byRequest.erase(answers_->byRequest.begin(), std::next(found));
    return targets;
}

}  // namespace kelvo
