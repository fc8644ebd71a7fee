#pragma once
#include "platform/FolderReader.h"

namespace kelvo {

// Lists folders and resolves shortcuts on a thread of its own for each
// call, which the caller leaves to itself after kReadDeadline.
class Win32FolderReader final : public FolderReader {
public:
    ExplorerView View() override;
    TypeExtension ExtensionOf(const std::string& extension) override;
    FolderListing List(const std::string& folder) override;
    std::vector<ShortcutTarget> Resolve(const std::vector<std::string>& shortcuts,
                                        const std::set<std::string>& unreachableRoots) override;
    std::vector<ShortcutTarget> Follow(const std::vector<std::string>& paths) override;
    // Through StrCmpLogicalW, as Explorer orders names.
    std::vector<std::size_t> ExplorerOrder(const std::vector<std::string>& names) override;
};

}  // namespace kelvo
