#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/ShellInfo.h"

namespace kelvo {

// Type names, executable types and small icons from the shell. The calls
// need COM initialised on the calling thread.
class Win32ShellInfo final : public ShellInfo {
public:
    std::optional<ShellFileInfo> Describe(const std::string& path) override;
    std::int32_t ExecutableType(const std::string& path) override;
    std::optional<IconImage> DrawSmallIcon(int iconIndex, int side) override;

private:
    bool TakesTypeIcon(const std::string& path, DWORD attributes);

    // The system's small-icon list as the last Describe returned it; null
    // after a failed one, so that nothing is drawn for an unknown file.
    HIMAGELIST systemImages_ = nullptr;
    // Per extension: whether its files show the type's icon.
    std::map<std::wstring, bool> typeIcon_;
};

// Icon `iconIndex` of the shell's system image list, from its list of
// pictures that serve `side` pixels across best; nullptr when there is none.
// The caller destroys it.
HICON SystemIcon(int iconIndex, int side);

// `path` as the shell's file calls take it: unchanged when it is shorter
// than MAX_PATH; otherwise its short (8.3) form when that is short enough
// and keeps the file's extension, else unchanged.
std::wstring ShellPathForm(const std::string& path);

}  // namespace kelvo
