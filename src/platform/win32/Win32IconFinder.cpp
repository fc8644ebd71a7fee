#include "platform/win32/Win32IconFinder.h"

#include <set>
#include <utility>

#include "menus/MenuPictures.h"
#include "platform/Image.h"
#include "platform/win32/IconFinderProcess.h"
#include "platform/win32/Twips.h"

namespace kelvo {

namespace {

BOOL CALLBACK AddSide(HMONITOR monitor, HDC, LPRECT, LPARAM sides) {
    reinterpret_cast<std::set<int>*>(sides)->insert(IconSide(MonitorDpi(monitor)));
    return TRUE;
}

// The side of a row's icon on each monitor.
std::vector<int> MonitorSides() {
    std::set<int> sides;
    EnumDisplayMonitors(nullptr, nullptr, AddSide, reinterpret_cast<LPARAM>(&sides));
    if (sides.empty()) sides.insert(IconSide(MonitorDpi(nullptr)));
    return std::vector<int>(sides.begin(), sides.end());
}

}  // namespace

Win32IconFinder::Win32IconFinder(HWND window, FoundPictures& found, std::wstring program)
    : window_(window), found_(found), program_(std::move(program)) {}

void Win32IconFinder::FindLater(unsigned request, std::vector<std::string> paths) {
    std::vector<std::string> types = asked_.NewRequest(request, paths);
    Ask(entryReplies_, kIconsFoundMessage, request, IconRequest{MonitorSides(), std::move(paths), std::move(types)});
}

// A row whose type has no icon, or none yet, keeps an icon's room: the menu
// manager under Wine sets every row's text after its level's widest picture
// but measures a row without a picture as its text alone, which cuts the
// text of the widest such row.
int Win32IconFinder::TypeIcon(const std::string& path, bool isFolder) {
    const std::string type = TypeKey(path, isFolder);
    if (const std::optional<int> icon = found_.TypeIcon(type)) return *icon == kNoIcon ? kBlankIcon : *icon;
    if (asked_.Want(type)) PostMessageW(window_, kTypesWantedMessage, 0, 0);
    return kBlankIcon;
}

std::optional<std::vector<int>> Win32IconFinder::Take(unsigned request) {
    std::optional<Reply> reply = entryReplies_->Take(request);
    if (!reply) return std::nullopt;
    return asked_.KeepEntries(request, reply->types, std::move(reply->answer));
}

bool Win32IconFinder::OnMessage(UINT message, WPARAM wParam) {
    if (message == kTypesWantedMessage) {
        std::vector<std::string> wanted = asked_.TakeWanted();
        if (!wanted.empty()) {
            Ask(typeReplies_, kTypeIconsFoundMessage, ++typeRequest_, IconRequest{MonitorSides(), {}, std::move(wanted)});
        }
        return true;
    }
    if (message == kTypeIconsFoundMessage) {
        if (std::optional<Reply> reply = typeReplies_->Take(static_cast<unsigned>(wParam))) {
            asked_.KeepTypes(reply->types, std::move(reply->answer));
        }
        return true;
    }
    return false;
}

// A finder that failed is started once more at once: a process may fail
// for a reason of the moment (under Wine, one may hang in its start-up
// until its deadline). A second failure stands until the lists change. Work
// that throws leaves its types as a finder that failed does.
void Win32IconFinder::Ask(const std::shared_ptr<Replies>& replies, UINT message, unsigned request,
                          IconRequest asked) {
    std::vector<std::string> types = asked.types;
    Replies::WorkLater(
        replies, window_, message, request,
        [asked = std::move(asked), program = program_] {
            std::optional<IconAnswer> answer = AskIconFinder(asked, program);
            if (!answer) answer = AskIconFinder(asked, program);
            return Reply{asked.types, std::move(answer)};
        },
        Reply{std::move(types), std::nullopt});
}

}  // namespace kelvo
