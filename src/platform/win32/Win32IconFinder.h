#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "menus/AskedIcons.h"
#include "menus/FoundPictures.h"
#include "menus/IconTransfer.h"
#include "platform/RowIcons.h"
#include "platform/win32/PostedAnswers.h"

namespace kelvo {

// Posted to the tray's window when a request's icons are found; wParam
// holds the request.
inline constexpr UINT kIconsFoundMessage = WM_APP + 2;
// Posted to the tray's window by the finder itself: types' icons are wanted,
// and the icons of a request for types are found (wParam holds it).
inline constexpr UINT kTypesWantedMessage = WM_APP + 3;
inline constexpr UINT kTypeIconsFoundMessage = WM_APP + 4;

// Finds icons in a process of its own (see AskIconFinder), drawn at the scale
// of every monitor, waiting for it on a thread that posts to `window` when
// done. Their pictures go to `found`. The finder is `program` started with
// the icon finder's switch: this very program but in tests.
class Win32IconFinder final : public IconFinder {
public:
    Win32IconFinder(HWND window, FoundPictures& found, std::wstring program);

    // The folder's type and the entries' types are asked for with the
    // entries. Without a thread or a process to be had, the rows show no
    // icons.
    void FindLater(unsigned request, std::vector<std::string> paths) override;
    // A type not found yet is asked for once the caller is done, for a later
    // showing of its row.
    int TypeIcon(const std::string& path, bool isFolder) override;
    // The icons of `request`, once, their pictures kept in `found`; nothing
    // when none are waiting, the finder gave none or a newer request was
    // made since.
    std::optional<std::vector<int>> Take(unsigned request);
    // Handles kTypesWantedMessage and kTypeIconsFoundMessage; false for any
    // other message.
    bool OnMessage(UINT message, WPARAM wParam);

    // What a finder answered, and the types it was asked for.
    struct Reply {
        std::vector<std::string> types;
        std::optional<IconAnswer> answer;
    };

private:
    using Replies = PostedAnswers<Reply>;
    void Ask(const std::shared_ptr<Replies>& replies, UINT message, unsigned request, IconRequest asked);

    HWND window_;
    FoundPictures& found_;
    std::wstring program_;
    AskedIcons asked_{found_};
    unsigned typeRequest_ = 0;
    // Shared with the workers, which may outlive this object.
    std::shared_ptr<Replies> entryReplies_ = std::make_shared<Replies>();
    std::shared_ptr<Replies> typeReplies_ = std::make_shared<Replies>();
};

}  // namespace kelvo
