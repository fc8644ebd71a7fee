#pragma once
#include <memory>

#include "platform/FileSystem.h"
#include "platform/win32/RootLooks.h"

namespace kelvo {

// The file system as the popup waits on it: each look runs off the caller's
// thread under the looks' deadline, and a drive or share that missed it is
// not asked again while that look is stuck, nor for a while after. What did
// not answer is told as a network failure: the root does not answer.
class DeadlineFileSystem final : public FileSystem {
public:
    DeadlineFileSystem(std::shared_ptr<FileSystem> files, RootLooks& looks) : files_(std::move(files)), looks_(looks) {}

    PathLookup Look(const std::string& path) override;
    bool RootReachable(const std::string& root) override;

private:
    // Shared with looks that outlive their call.
    std::shared_ptr<FileSystem> files_;
    RootLooks& looks_;
};

}  // namespace kelvo
