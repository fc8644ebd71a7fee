#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace kelvo {

// A drop handle as the shell hands it to a window that accepts files: a
// DROPFILES block with the wide paths, in order. The window's DragFinish
// frees it.
HDROP MakeDropHandle(const std::vector<std::string>& paths);

}  // namespace kelvo
