#include "platform/win32/DeadlineFileSystem.h"

#include "lists/ReachableRoots.h"

namespace kelvo {

PathLookup DeadlineFileSystem::Look(const std::string& path) {
    const auto found = std::make_shared<PathLookup>(PathLookup::NetworkError);
    const LookEnd end = looks_.Run(PathRoot(path), [files = files_, path, found] { *found = files->Look(path); });
    return end == LookEnd::Done ? *found : PathLookup::NetworkError;
}

bool DeadlineFileSystem::RootReachable(const std::string& root) {
    const auto reachable = std::make_shared<bool>(false);
    const LookEnd end =
        looks_.Run(root, [files = files_, root, reachable] { *reachable = files->RootReachable(root); });
    return end == LookEnd::Done && *reachable;
}

}  // namespace kelvo
