#pragma once
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "menus/IconTransfer.h"
#include "platform/win32/HelperProcess.h"

namespace kelvo {

// The command-line switch that starts the program as the icon finder.
inline constexpr std::wstring_view kFindIconsSwitch = L"--find-icons";

// Finding the entries' icons loads the shell's image lists, which take
// megabytes in the process that asks for them. A process of its own does
// that work and then ends, so the resident program holds only the pictures.

// How long a finder may take: one stuck in a shell extension or on a share
// that does not answer is ended then.
inline constexpr std::chrono::milliseconds kIconFinderDeadline{30000};

// Starts `program` as the icon finder in `job`, sends it `request` and waits
// for its answer, `deadline` at the most: nothing when it could not be
// started, failed, was ended at the deadline or answered nothing whole.
std::optional<IconAnswer> AskIconFinder(const IconRequest& request, const std::wstring& program,
                                        const HelperJob& job = HelperJob::OfThisProgram(),
                                        std::chrono::milliseconds deadline = kIconFinderDeadline);

// The icon finder's side: reads a request from standard input, writes the
// answer to standard output; the exit code is 0 once it is written.
int RunIconFinder();

}  // namespace kelvo
