#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "platform/Launcher.h"

namespace kelvo {

class Win32Launcher final : public Launcher {
public:
    explicit Win32Launcher(HWND owner);
    std::optional<std::string> OpenFile(const std::string& path) override;
    std::optional<std::string> StartExplorer() override;

private:
    HWND owner_;
};

// The file manager by its full path in the Windows folder, never found
// through the current folder or PATH.
std::wstring ExplorerPath();

}  // namespace kelvo
