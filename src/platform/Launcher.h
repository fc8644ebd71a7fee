#pragma once
#include <string>

namespace kelvo {

// Opens things through the shell.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Opens `path` with its default action.
    virtual void OpenFile(const std::string& path) = 0;
    // Starts the file manager in a normal, activated window.
    virtual void StartExplorer() = 0;
};

}  // namespace kelvo
