#pragma once
#include <string>

#include "platform/win32/RegistryStore.h"

namespace kelvo {

// The registry store on a key of its own, removed with it.
class ScratchStore {
public:
    explicit ScratchStore(const std::string& purpose);
    ~ScratchStore();
    ScratchStore(const ScratchStore&) = delete;
    ScratchStore& operator=(const ScratchStore&) = delete;
    RegistryStore& Store() { return store_; }

private:
    std::string path_;
    RegistryStore store_;
};

// The temp folder, ending with a backslash.
std::string TempFolder();
// Creates an empty file, or empties it.
void Touch(const std::string& path);

// The root "X:\\" of a drive letter that names no drive here, as for an
// unplugged stick; empty when every letter is taken.
std::string AbsentDriveRoot();

// Deletes a fixture folder tree, also one that reaches beyond MAX_PATH.
// Wine's SHFileOperationW cannot: on such a tree it deletes files of the
// current folder instead.
void RemoveTree(const std::string& path);

}  // namespace kelvo
