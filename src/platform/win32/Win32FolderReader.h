#pragma once
#include "platform/FolderReader.h"
#include "platform/win32/RootLooks.h"

namespace kelvo {

// Lists folders and resolves shortcuts on a thread of its own for each
// call, through `looks`: the caller leaves it to itself at their deadline,
// and a folder on a root whose look is stuck is not listed but told as not
// responding.
class Win32FolderReader final : public FolderReader {
public:
    explicit Win32FolderReader(RootLooks& looks = RootLooks::Shared()) : looks_(looks) {}
    ExplorerView View() override;
    TypeExtension ExtensionOf(const std::string& extension) override;
    FolderListing List(const std::string& folder) override;
    std::vector<ShortcutTarget> Resolve(const std::vector<std::string>& shortcuts,
                                        const std::set<std::string>& unreachableRoots) override;
    // Through StrCmpLogicalW, as Explorer orders names.
    std::vector<std::size_t> ExplorerOrder(const std::vector<std::string>& names) override;

private:
    RootLooks& looks_;
};

// Where each path leads, as BackgroundFollower tells, found on the calling
// thread however long it takes: for a caller that is off the user's path
// already, where a deadline would only leave the later paths unknown.
std::vector<ShortcutTarget> FollowWithoutDeadline(const std::vector<std::string>& paths);

}  // namespace kelvo
