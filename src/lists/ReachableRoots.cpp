#include "lists/ReachableRoots.h"

#include <algorithm>

#include "text/TextUtils.h"
#include "store/Choices.h"

namespace kelvo {
namespace {

// "\\server\share\": both names must be there.
std::string ShareRoot(std::string_view path) {
    const auto serverEnd = path.find('\\', 2);
    if (serverEnd == std::string_view::npos || serverEnd == 2) return {};
    const auto shareEnd = std::min(path.find('\\', serverEnd + 1), path.size());
    if (shareEnd == serverEnd + 1) return {};
    return std::string(path.substr(0, shareEnd)) + '\\';
}

}  // namespace

std::string PathRoot(std::string_view path) {
    if (!IsAbsoluteLocation(path)) return {};
    if (path[1] == ':') return std::string(path.substr(0, 3));
    return ShareRoot(path);
}

bool ReachableRoots::Reachable(const std::string& path) {
    const std::string root = PathRoot(path);
    if (root.empty()) return true;
    const auto [known, added] = known_.try_emplace(AsciiLowerCase(root), false);
    if (added) known->second = files_.RootReachable(root);
    return known->second;
}

bool ReachableRoots::KnownUnreachable(const std::string& path) const {
    const auto known = known_.find(AsciiLowerCase(PathRoot(path)));
    return known != known_.end() && !known->second;
}

void ReachableRoots::NoteUnreachable(const std::string& path) {
    const std::string root = PathRoot(path);
    if (!root.empty()) known_[AsciiLowerCase(root)] = false;
}

std::set<std::string> ReachableRoots::UnreachableRoots() const {
    std::set<std::string> unreachable;
    for (const auto& [root, reachable] : known_)
        if (!reachable) unreachable.insert(root);
    return unreachable;
}

}  // namespace kelvo
