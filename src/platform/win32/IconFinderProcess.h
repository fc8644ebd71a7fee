#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "menus/IconTransfer.h"

namespace kelvo {

// The command-line switch that starts the program as the icon finder.
inline constexpr std::wstring_view kFindIconsSwitch = L"--find-icons";

// Finding the entries' icons loads the shell's image lists, which take
// megabytes in the process that asks for them. A process of its own does
// that work and then ends, so the resident program holds only the pictures.

// Starts `program` as the icon finder, sends it `request` and waits for its
// answer: nothing when it could not be started or answered nothing whole.
std::optional<IconAnswer> AskIconFinder(const IconRequest& request, const std::wstring& program);

// The icon finder's side: reads a request from standard input, writes the
// answer to standard output; the exit code is 0 once it is written.
int RunIconFinder();

}  // namespace kelvo
