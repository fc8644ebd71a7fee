#pragma once
#include <string>
#include <vector>

#include "platform/Folders.h"

namespace kelvo {

// The desktop folder from the shell and folder listings from the file
// system's own search.
class Win32Folders final : public Folders {
public:
    std::string DesktopFolder() override;
    std::vector<std::string> List(const std::string& folder) override;
};

}  // namespace kelvo
