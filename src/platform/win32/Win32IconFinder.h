#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/RowIcons.h"
#include "platform/win32/PostedAnswers.h"

namespace kelvo {

// Posted to the tray's window when a request's icons are found; wParam
// holds the request.
inline constexpr UINT kIconsFoundMessage = WM_APP + 2;

// Finds icons in the shell's system image list; the entries' on a thread of
// its own, which posts kIconsFoundMessage to `window` when done.
class Win32IconFinder final : public IconFinder {
public:
    explicit Win32IconFinder(HWND window) : window_(window) {}

    // Without a thread to be had, the rows show no icons.
    void FindLater(unsigned request, std::vector<std::string> paths) override;
    int TypeIcon(const std::string& path, bool isFolder) override;
    // The icons of `request`, once; nothing when none are waiting.
    std::optional<std::vector<int>> Take(unsigned request) { return answers_->Take(request); }

private:
    HWND window_;
    // Shared with the workers, which may outlive this object.
    std::shared_ptr<PostedAnswers<std::vector<int>>> answers_ = std::make_shared<PostedAnswers<std::vector<int>>>();
};

}  // namespace kelvo
