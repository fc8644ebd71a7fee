#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/Folders.h"

namespace kelvo {

// The desktop folder from the shell, folder listings from the file system's
// own search, and names lower-cased by the system.
class Win32Folders final : public Folders {
public:
    // `desktopFolder` stands in for the user's desktop when given (tests and
    // benchmarks scan a fixture folder).
    explicit Win32Folders(std::string desktopFolder = {}) : desktopFolder_(std::move(desktopFolder)) {}

    std::string DesktopFolder() override;
    std::vector<std::string> List(const std::string& folder) override;
    std::string LowerCaseName(const std::string& name) override;

private:
    std::string desktopFolder_;
};

}  // namespace kelvo
