#pragma once
#include <string>

#include "platform/FileSystem.h"

namespace kelvo {

class Win32FileSystem final : public FileSystem {
public:
    bool Exists(const std::string& path) override;
    bool RootReachable(const std::string& root) override;
};

// `path` in the form the wide file calls accept at any length: a full path
// longer than MAX_PATH gets the "\\?\" prefix, anything else is unchanged.
std::wstring LongPathForm(const std::string& path);

}  // namespace kelvo
