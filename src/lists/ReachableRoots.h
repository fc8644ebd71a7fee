#pragma once
#include <map>
#include <optional>
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
    // True when the root of `path` was found unreachable, or not responding,
    // before; asks nothing.
    bool KnownUnreachable(const std::string& path) const;
    // True when a look at something on the root of `path` ran past its
    // deadline before; asks nothing.
    bool KnownNotResponding(const std::string& path) const;
    // The root of `path` did not answer some other look: it is taken as
    // unreachable from now on, without asking.
    void NoteUnreachable(const std::string& path);
    // A look at something on the root of `path` ran past its deadline: the
    // root is taken as not responding from now on, without asking.
    void NoteNotResponding(const std::string& path);
    // The roots found unreachable or not responding so far, ASCII letters
    // lower-cased.
    std::set<std::string> UnreachableRoots() const;

private:
    enum class RootState { Reachable, Unreachable, NotResponding };
    void Note(const std::string& path, RootState state);
    std::optional<RootState> Known(const std::string& path) const;

    FileSystem& files_;
    std::map<std::string, RootState> known_;  // by root, ASCII letters lower-cased
};

}  // namespace kelvo
