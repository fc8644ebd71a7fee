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
    // The desktop shared by all users (where installers put most program
    // shortcuts), without a trailing backslash; empty when there is none.
    virtual std::string PublicDesktopFolder() = 0;
    // Names of every entry of `folder` in the file system's own order,
    // hidden files, subfolders, "." and ".." included.
    virtual std::vector<std::string> List(const std::string& folder) = 0;
    // An entry's `name` lower-cased by the system's rules, except for each
    // letter whose lower-case form the file system would not match back to
    // it: that one keeps its case, so the name still names the same entry.
    virtual std::string LowerCaseName(const std::string& name) = 0;
};

}  // namespace kelvo
