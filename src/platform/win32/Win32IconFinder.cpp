#include "platform/win32/Win32IconFinder.h"

#include <utility>

#include "menus/MenuPictures.h"
#include "platform/Image.h"
#include "platform/win32/IconFinderProcess.h"
#include "platform/win32/ProgramFile.h"
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

void Win32IconFinder::FindLater(unsigned request, std::vector<std::string> paths) {
    std::vector<std::string> types{TypeKey({}, true)};
    for (const std::string& path : paths) types.push_back(TypeKey(path, false));
    std::vector<std::string> newTypes = NewTypes(std::move(types));
    Ask(entryReplies_, kIconsFoundMessage, request, IconRequest{MonitorSides(), std::move(paths), std::move(newTypes)});
}

// A row whose type has no icon, or none yet, keeps an icon's room: the menu
// manager under Wine sets every row's text after its level's widest picture
// but measures a row without a picture as its text alone, which cuts the
// text of the widest such row.
int Win32IconFinder::TypeIcon(const std::string& path, bool isFolder) {
    const std::string type = TypeKey(path, isFolder);
    if (const std::optional<int> icon = found_.TypeIcon(type)) return *icon == kNoIcon ? kBlankIcon : *icon;
    if (askedTypes_.insert(type).second) {
        if (wantedTypes_.empty()) PostMessageW(window_, kTypesWantedMessage, 0, 0);
        wantedTypes_.push_back(type);
    }
    return kBlankIcon;
}

std::optional<std::vector<int>> Win32IconFinder::Take(unsigned request) {
    std::optional<Reply> reply = entryReplies_->Take(request);
    if (!reply) return std::nullopt;
    return Keep(std::move(*reply));
}

bool Win32IconFinder::OnMessage(UINT message, WPARAM wParam) {
    if (message == kTypesWantedMessage) {
        if (!wantedTypes_.empty()) {
            Ask(typeReplies_, kTypeIconsFoundMessage, ++typeRequest_,
                IconRequest{MonitorSides(), {}, std::exchange(wantedTypes_, {})});
        }
        return true;
    }
    if (message == kTypeIconsFoundMessage) {
        if (std::optional<Reply> reply = typeReplies_->Take(static_cast<unsigned>(wParam))) Keep(std::move(*reply));
        return true;
    }
    return false;
}

// Work that throws leaves its types as a finder that failed does.
void Win32IconFinder::Ask(const std::shared_ptr<Replies>& replies, UINT message, unsigned request,
                          IconRequest asked) {
    std::vector<std::string> types = asked.types;
    Replies::WorkLater(
        replies, window_, message, request,
        [asked = std::move(asked)] { return Reply{asked.types, AskIconFinder(asked, ThisProgram())}; },
        Reply{std::move(types), std::nullopt});
}

std::vector<std::string> Win32IconFinder::NewTypes(std::vector<std::string> types) {
    std::vector<std::string> added;
    for (std::string& type : types) {
        if (!found_.TypeIcon(type) && askedTypes_.insert(type).second) added.push_back(std::move(type));
    }
    return added;
}

// A finder that gave no answer leaves its types to be asked for again.
std::optional<std::vector<int>> Win32IconFinder::Keep(Reply reply) {
    if (!reply.answer) {
        for (const std::string& type : reply.types) askedTypes_.erase(type);
        return std::nullopt;
    }
    return found_.Take(std::move(*reply.answer), reply.types);
}

}  // namespace kelvo
