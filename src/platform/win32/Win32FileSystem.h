#pragma once
#include <windows.h>

#include <string>

#include "platform/FileSystem.h"

namespace kelvo {

class Win32FileSystem final : public FileSystem {
public:
    PathLookup Look(const std::string& path) override;
    bool RootReachable(const std::string& root) override;
};

// What a failed look at a path with this system error found.
PathLookup LookupFailure(DWORD error);

// `path` in the form the wide file calls accept at any length: a full path
// longer than MAX_PATH gets the "\\?\" prefix, anything else is unchanged.
std::wstring LongPathForm(const std::string& path);

}  // namespace kelvo
