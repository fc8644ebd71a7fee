#pragma once
#include <string>
#include <vector>

namespace kelvo {

class Folders {
public:
    virtual ~Folders() = default;
    // The user's desktop folder without a trailing backslash; empty when the
    // shell has none.
    virtual std::string DesktopFolder() = 0;
    // Names of every entry of `folder` in the file system's own order,
    // hidden files, subfolders, "." and ".." included.
    virtual std::vector<std::string> List(const std::string& folder) = 0;
};

}  // namespace kelvo
