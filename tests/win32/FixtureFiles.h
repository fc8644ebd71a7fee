#pragma once
#include <string>

namespace kelvo {

// Deletes a fixture folder tree, also one that reaches beyond MAX_PATH.
// Wine's SHFileOperationW cannot: on such a tree it deletes files of the
// current folder instead.
void RemoveTree(const std::string& path);

}  // namespace kelvo
