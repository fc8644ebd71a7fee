#pragma once
#include <optional>
#include <string>

namespace kelvo {

// Opens things through the shell. Each call returns the system's reason
// when it failed, in the system's words, and nullopt when it worked.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Opens `path` with its default action.
    virtual std::optional<std::string> OpenFile(const std::string& path) = 0;
    // Starts the file manager in a normal, activated window.
    virtual std::optional<std::string> StartExplorer() = 0;
};

}  // namespace kelvo
