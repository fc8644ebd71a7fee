#pragma once
#include <string>

namespace kelvo {

// The path of the running program's file; empty when it cannot be told.
std::wstring ThisProgram();

}  // namespace kelvo
