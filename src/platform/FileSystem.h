#pragma once
#include <string>

namespace kelvo {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // True when a file or folder exists at `path` (no wildcards).
    virtual bool Exists(const std::string& path) = 0;
    // True when the drive root "X:\" or the share root "\\server\share\" can
    // be reached now: a removed stick or a share behind a closed VPN cannot.
    // Asking about a dead share may take the network's time-out.
    virtual bool RootReachable(const std::string& root) = 0;
};

}  // namespace kelvo
