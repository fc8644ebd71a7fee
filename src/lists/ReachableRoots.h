#pragma once
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace kelvo {

// The root of an absolute path: "X:\" for a drive, "\\server\share\" for a
// network share; empty when the path names neither.
std::string PathRoot(std::string_view path);

// Tells whether a path's drive or share can be reached, asking the file
// system once per root: a dead share costs its time-out once, not once per
// entry that lives on it. Meant to live for one fill of the lists.
class ReachableRoots {
public:
    explicit ReachableRoots(FileSystem& files) : files_(files) {}
    // True when the root of `path` answers, or when `path` has no root to ask
    // about (then only a look at the file itself can tell).
    bool Reachable(const std::string& path);
    // True when the root of `path` was found unreachable before; asks nothing.
    bool KnownUnreachable(const std::string& path) const;
    // The root of `path` did not answer some other look: it is taken as
    // unreachable from now on, without asking.
    void NoteUnreachable(const std::string& path);
    // The roots found unreachable so far, ASCII letters lower-cased.
    std::set<std::string> UnreachableRoots() const;

private:
    FileSystem& files_;
    std::map<std::string, bool> known_;  // by root, ASCII letters lower-cased
};

}  // namespace kelvo
