#pragma once
#include <string>
#include <vector>

#include "lists/ReachableRoots.h"
#include "platform/FolderReader.h"

namespace kelvo {

// The texts of the one disabled row that stands for a folder without rows;
// a folder that cannot be read shows the system's reason instead.
inline constexpr char kNotAvailableText[] = "Not available";
inline constexpr char kNotRespondingText[] = "Not responding";
inline constexpr char kEmptyFolderText[] = "(empty)";

// One row of a folder's submenu.
struct FolderRow {
    std::string caption;  // the name as Explorer shows it
    std::string path;     // the item's full path: what choosing the row opens
    // What the row's submenu lists: the folder itself, or the folder or
    // drive a shortcut leads to; empty for a row that opens no submenu.
    std::string listed;
    // A shortcut that did not resolve in time: its submenu says so.
    bool stalled = false;

    bool Cascades() const { return !listed.empty() || stalled; }
    bool operator==(const FolderRow&) const = default;
};

enum class FolderOutcome { Rows, Empty, NotAvailable, NotResponding, Unreadable };

// What a folder's submenu shows: its rows, or why it has none.
struct FolderRows {
    FolderOutcome outcome = FolderOutcome::Empty;
    std::vector<FolderRow> rows;  // when Rows
    std::string reason;           // when Unreadable: the system's text
};

// The text of the disabled row that stands for `contents` when it has no
// rows; empty when it has.
std::string StatusRowText(const FolderRows& contents);

// The rows of the submenu of `row`, read now: folders first, then files,
// each in Explorer's order of names; hidden and protected system items only
// where Explorer shows them, "desktop.ini" and "thumbs.db" never; names as
// Explorer shows them, shortcuts without ".lnk". A folder on a root known
// to be unreachable is not asked for; one whose drive or share does not
// answer makes its root known as such.
FolderRows ReadFolderRows(FolderReader& reader, ReachableRoots& roots, const FolderRow& row);

}  // namespace kelvo
