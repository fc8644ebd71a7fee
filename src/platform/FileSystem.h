#pragma once
#include <string>

namespace kelvo {

// What a look at a path found: the file or folder, or why not. Only the
// first two failures say that it does not exist; the others say only that
// the system could not look.
enum class PathLookup { Found, FileNotFound, PathNotFound, AccessDenied, NotReady, NetworkError, OtherError };

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Looks for a file or folder at `path` (no wildcards).
    virtual PathLookup Look(const std::string& path) = 0;
    // True when the drive root "X:\" or the share root "\\server\share\" can
    // be reached now: a removed stick or a share behind a closed VPN cannot.
    // Asking about a dead share may take the network's time-out.
    virtual bool RootReachable(const std::string& root) = 0;
};

}  // namespace kelvo
