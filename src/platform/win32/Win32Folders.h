#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/Folders.h"

namespace kelvo {

// The desktop folders from the shell, folder listings from the file system's
// own search, and names lower-cased by the system.
class Win32Folders final : public Folders {
public:
    // `desktopFolder` stands in for the user's desktop when given (tests and
    // benchmarks scan a fixture folder), and `publicDesktop` then for the
    // shared one: none when it is empty.
    explicit Win32Folders(std::string desktopFolder = {}, std::string publicDesktop = {})
        : desktopFolder_(std::move(desktopFolder)), publicDesktop_(std::move(publicDesktop)) {}

    std::string DesktopFolder() override;
    std::string PublicDesktopFolder() override;
    std::vector<std::string> List(const std::string& folder) override;
    std::string LowerCaseName(const std::string& name) override;

private:
    std::string desktopFolder_;
    std::string publicDesktop_;
};

}  // namespace kelvo
