#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "menus/FoundPictures.h"
#include "menus/IconTransfer.h"
#include "platform/RowIcons.h"
#include "platform/win32/PostedAnswers.h"

namespace kelvo {

// Posted to the tray's window when a request's icons are found; wParam
// holds the request.
inline constexpr UINT kIconsFoundMessage = WM_APP + 2;

// Finds the entries' icons in a process of its own (see AskIconFinder), drawn
// at the scale of every monitor, waiting for it on a thread that posts
// kIconsFoundMessage to `window` when done. Their pictures go to `found`.
class Win32IconFinder final : public IconFinder {
public:
    Win32IconFinder(HWND window, FoundPictures& found) : window_(window), found_(found) {}

    // Without a thread or a process to be had, the rows show no icons.
    void FindLater(unsigned request, std::vector<std::string> paths) override;
    // From this process's system image list.
    int TypeIcon(const std::string& path, bool isFolder) override;
    // The icons of `request`, once, their pictures kept in `found`; nothing
    // when none are waiting or the finder gave none.
    std::optional<std::vector<int>> Take(unsigned request);

private:
    HWND window_;
    FoundPictures& found_;
    // Shared with the workers, which may outlive this object.
    std::shared_ptr<PostedAnswers<std::optional<IconAnswer>>> answers_ =
        std::make_shared<PostedAnswers<std::optional<IconAnswer>>>();
};

}  // namespace kelvo
