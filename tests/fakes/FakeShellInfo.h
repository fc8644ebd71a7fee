#pragma once
#include <map>
#include <string>
#include <vector>

#include "text/TextUtils.h"
#include "fakes/CallLog.h"
#include "platform/Folders.h"
#include "platform/ShellInfo.h"

namespace kelvo {

// What a fake shell says of one path.
struct FakeFileFacts {
    std::string typeName;
    int iconIndex = 0;
    std::int32_t executableType = 0;
};

// Answers from a table of paths; unknown paths are unknown to the shell.
// The icon at index i is a square filled with colour i, so tests can tell
// which file's icon an image list holds.
class FakeShellInfo : public ShellInfo {
public:
    std::optional<ShellFileInfo> Describe(const std::string& path) override;
    std::int32_t ExecutableType(const std::string& path) override;
    std::optional<IconImage> DrawSmallIcon(int iconIndex, int side) override;

    void Add(const std::string& path, FakeFileFacts facts) { files[path] = std::move(facts); }

    std::map<std::string, FakeFileFacts> files;
    bool drawingFails = false;
    int describes = 0;
    int draws = 0;
};

class FakeFolders : public Folders {
public:
    std::string DesktopFolder() override { return desktop; }
    std::string PublicDesktopFolder() override { return publicDesktop; }
    std::vector<std::string> List(const std::string& folder) override {
        auto found = contents.find(folder);
        return found == contents.end() ? std::vector<std::string>{} : found->second;
    }
    // ASCII letters only: every other byte is kept.
    std::string LowerCaseName(const std::string& name) override { return AsciiLowerCase(name); }

    std::string desktop;
    std::string publicDesktop;
    std::map<std::string, std::vector<std::string>> contents;
};

}  // namespace kelvo
