#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Image.h"

namespace kelvo {

// What the shell tells of one file for the list views.
struct ShellFileInfo {
    std::string typeName;  // as the shell gives it, e.g. "Text Document"
    int iconIndex = 0;     // index in the system's small-icon list
};

class ShellInfo {
public:
    virtual ~ShellInfo() = default;
    // Type name and small-icon index in one query; nullopt when the shell
    // knows nothing of the path.
    virtual std::optional<ShellFileInfo> Describe(const std::string& path) = 0;
    // The shell's executable-type word for a program file (0 when it is none):
    // the low word holds the signature, the high word the Windows version.
    virtual std::int32_t ExecutableType(const std::string& path) = 0;
    // The small icon at `iconIndex`, drawn `side` pixels across on a cleared
    // surface of the window colour, from the shell's picture of that size
    // where it has one; nullopt when it could not be drawn.
    virtual std::optional<IconImage> DrawSmallIcon(int iconIndex, int side) = 0;
};

}  // namespace kelvo
