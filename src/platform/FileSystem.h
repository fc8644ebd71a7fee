#pragma once
#include <string>

namespace kelvo {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // True when a file or folder exists at `path` (no wildcards).
    virtual bool Exists(const std::string& path) = 0;
};

}  // namespace kelvo
