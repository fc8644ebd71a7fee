#include "platform/win32/Win32Follower.h"

#include <utility>

#include "platform/win32/Win32FolderReader.h"

namespace kelvo {

void Win32Follower::FollowLater(unsigned request, std::vector<std::string> paths) {
    PostedAnswers<std::vector<ShortcutTarget>>::WorkLater(
        answers_, window_, kEntriesFollowedMessage, request,
        [paths = std::move(paths)] { return FollowWithoutDeadline(paths); }, {});
}

}  // namespace kelvo
