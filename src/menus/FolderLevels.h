#pragma once
#include <optional>
#include <string>
#include <vector>

#include "lists/ReachableRoots.h"
#include "menus/FolderRows.h"
#include "menus/PopupLayout.h"
#include "menus/PopupMenu.h"
#include "platform/FileSystem.h"
#include "platform/FolderReader.h"
#include "platform/RowIcons.h"

namespace kelvo {

inline constexpr char kOpenCaption[] = "Open";

// The levels of folders opened in the popup while it shows. Each is read
// when the menu manager is about to show it, as the folder is then; its
// rows take ids that stand for their paths until the popup closes, when
// all are forgotten.
class FolderLevels {
public:
    FolderLevels(FolderReader& reader, FileSystem& files) : reader_(reader), files_(files) {}

    // The level of the folder that row `id` opens, shown as level `depth`
    // (the popup itself is 1) and laid out for `room`: "Open", a separator,
    // then the folder's rows, or one notice of why it has none. Rows of
    // folders open as submenus in turn, but where their levels would be
    // nested deeper than kDeepestLevel: there they open in the Explorer.
    // With `icons`, each row shows its type's icon (a folder's for a row
    // that opens a folder), known without looking at the files. Nothing
    // when `id` is no row of a folder.
    std::optional<MenuLevel> Open(const PopupMenu& menu, int id, int depth, const PopupRoom& room,
                                  const RowWidths& widths, IconFinder* icons = nullptr);
    // What choosing row `id` of a folder's level opens; nullptr for any
    // other row.
    const std::string* PathOf(int id) const;
    // The file or folder that row `id` of a folder's level lists; nullptr
    // for any other row, "Open" rows included.
    const std::string* ItemPathOf(int id) const;
    // The roots found reachable or not while the popup shows.
    ReachableRoots& Roots();
    // The popup has closed: its folders' rows and the roots found
    // unreachable meanwhile are forgotten.
    void Forget();

private:
    const FolderRow* RowOf(const PopupMenu& menu, int id) const;
    MenuLevel LevelOf(const FolderRow& folder, IconFinder* icons);

    FolderReader& reader_;
    FileSystem& files_;
    std::optional<ReachableRoots> roots_;
    std::vector<FolderRow> rows_;     // row kFolderIdBase + 1 + k
    std::vector<std::string> opens_;  // row kOpenIdBase + k
};

}  // namespace kelvo
