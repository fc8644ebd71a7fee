#include "fakes/FakeShellInfo.h"

namespace kelvo {

std::optional<ShellFileInfo> FakeShellInfo::Describe(const std::string& path) {
    ++describes;
    auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return ShellFileInfo{found->second.typeName, found->second.iconIndex};
}

std::int32_t FakeShellInfo::ExecutableType(const std::string& path) {
    auto found = files.find(path);
    return found == files.end() ? 0 : found->second.executableType;
}

std::optional<IconImage> FakeShellInfo::DrawSmallIcon(int iconIndex, int side) {
    ++draws;
    if (drawingFails) return std::nullopt;
    return IconImage::Filled(side, static_cast<std::uint32_t>(iconIndex));
}

}  // namespace kelvo
