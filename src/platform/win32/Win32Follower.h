#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/FolderReader.h"

namespace kelvo {

// Posted to the tray's window when a request's targets are found; wParam
// holds the request.
inline constexpr UINT kEntriesFollowedMessage = WM_APP + 1;

// Follows paths, without a deadline, on a thread of its own, which
// posts kEntriesFollowedMessage to `window` when done. The targets wait
// here for the window's thread to take them: the message carries no pointer
// that another process could forge.
class Win32Follower final : public BackgroundFollower {
public:
    explicit Win32Follower(HWND window) : window_(window) {}

    void FollowLater(unsigned request, std::vector<std::string> paths) override;
    // The targets of `request`, once; nothing when none are waiting.
    std::optional<std::vector<ShortcutTarget>> Take(unsigned request);

    // Shared with the workers, which may outlive this object.
    struct Answers {
        std::mutex guard;
        std::map<unsigned, std::vector<ShortcutTarget>> byRequest;
    };

private:
    HWND window_;
    std::shared_ptr<Answers> answers_ = std::make_shared<Answers>();
};

}  // namespace kelvo
