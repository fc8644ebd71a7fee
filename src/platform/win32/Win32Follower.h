#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/FolderReader.h"
#include "platform/win32/PostedAnswers.h"

namespace kelvo {

// Posted to the tray's window when a request's targets are found; wParam
// holds the request.
inline constexpr UINT kEntriesFollowedMessage = WM_APP + 1;

// Follows paths, without a deadline, on a thread of its own, which
// posts kEntriesFollowedMessage to `window` when done.
class Win32Follower final : public BackgroundFollower {
public:
    explicit Win32Follower(HWND window) : window_(window) {}

    // Without a thread to be had, the entries stay plain rows.
    void FollowLater(unsigned request, std::vector<std::string> paths) override;
    // The targets of `request`, once; nothing when none are waiting.
    std::optional<std::vector<ShortcutTarget>> Take(unsigned request) { return answers_->Take(request); }

private:
    HWND window_;
    // Shared with the workers, which may outlive this object.
    std::shared_ptr<PostedAnswers<std::vector<ShortcutTarget>>> answers_ =
        std::make_shared<PostedAnswers<std::vector<ShortcutTarget>>>();
};

}  // namespace kelvo
