#include "menus/EntryIcons.h"

#include "lists/ReachableRoots.h"

namespace kelvo {
namespace {

int IconOf(ReachableRoots& roots, ShellInfo& shell, const std::string& path) {
    if (!roots.Reachable(path)) return kUnavailableIcon;
    const std::optional<ShellFileInfo> info = shell.Describe(path);
    return info ? info->iconIndex : kUnavailableIcon;
}

// Entry k of a list stands at position k of its level.
void SetListIcons(MenuLevel& level, std::size_t count, const int* icons) {
    for (std::size_t k = 1; k <= count; ++k) level.SetIcon(static_cast<int>(k), icons[k - 1]);
}

}  // namespace

std::vector<int> FindEntryIcons(FileSystem& files, ShellInfo& shell, const std::vector<std::string>& paths) {
    ReachableRoots roots(files);
    std::vector<int> icons;
    icons.reserve(paths.size());
    for (const std::string& path : paths) icons.push_back(IconOf(roots, shell, path));
    return icons;
}

void SetEntryIcons(PopupMenu& menu, const std::vector<int>& icons) {
    if (icons.size() != menu.custom.size() + menu.desktop.size()) return;
    SetListIcons(menu.tree, menu.custom.size(), icons.data());
    SetListIcons(DesktopSubmenu(menu.tree), menu.desktop.size(), icons.data() + menu.custom.size());
}

}  // namespace kelvo
