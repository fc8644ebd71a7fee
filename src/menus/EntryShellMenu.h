#pragma once
#include <optional>
#include <string>

#include "lists/ReachableRoots.h"
#include "menus/FolderLevels.h"
#include "menus/PopupMenu.h"
#include "platform/FileSystem.h"

namespace kelvo {

// The one disabled row shown instead of the Explorer's menu of an entry
// whose file is not there; one on a drive or share that does not answer
// reads kNotAvailableText.
inline constexpr char kFileNotFoundText[] = "Not found";

// The file or folder that the popup's row `id` stands for: a built entry's
// path, or that of a row of a folder opened while the popup shows. Nothing
// for any other row: Properties, Exit, a folder's "Open", a notice.
std::optional<std::string> ShellItemOfRow(const PopupMenu& menu, const FolderLevels& folders, int id);

// Why the Explorer's menu of `path` cannot be shown now: its drive or share
// does not answer (one known not to, or known to have run past a deadline,
// is not asked again), or the file is not there. Empty when the shell may
// be asked for it: only then is the file's root known to answer.
std::string WhyNoShellMenu(FileSystem& files, ReachableRoots& roots, const std::string& path);

}  // namespace kelvo
