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
    const auto [known, added] = known_.try_emplace(AsciiLowerCase(root), RootState::Unreachable);
    if (added && files_.RootReachable(root)) known->second = RootState::Reachable;
    return known->second == RootState::Reachable;
}

std::optional<ReachableRoots::RootState> ReachableRoots::Known(const std::string& path) const {
    const auto known = known_.find(AsciiLowerCase(PathRoot(path)));
    if (known == known_.end()) return std::nullopt;
    return known->second;
}

bool ReachableRoots::KnownUnreachable(const std::string& path) const {
    const auto state = Known(path);
    return state && *state != RootState::Reachable;
}

bool ReachableRoots::KnownNotResponding(const std::string& path) const {
    return Known(path) == RootState::NotResponding;
}

void ReachableRoots::Note(const std::string& path, RootState state) {
    const std::string root = PathRoot(path);
    if (!root.empty()) known_[AsciiLowerCase(root)] = state;
}

void ReachableRoots::NoteUnreachable(const std::string& path) {
    Note(path, RootState::Unreachable);
}

void ReachableRoots::NoteNotResponding(const std::string& path) {
    Note(path, RootState::NotResponding);
}

std::set<std::string> ReachableRoots::UnreachableRoots() const {
    std::set<std::string> unreachable;
    for (const auto& [root, state] : known_)
        if (state != RootState::Reachable) unreachable.insert(root);
    return unreachable;
}

}  // namespace kelvo
