#pragma once
#include <string>
#include <vector>

namespace kelvo {

// Finds the icons of the popup's rows.
class IconFinder {
public:
    virtual ~IconFinder() = default;
    // Starts finding the icon of each of `paths`, in the order given, as
    // FindEntryIcons does, on a thread of its own: the answer comes back
    // later on the UI thread, as an event of the tray that carries `request`.
    virtual void FindLater(unsigned request, std::vector<std::string> paths) = 0;
    // The icon of a file or folder with the name that ends `path`, known
    // from its name and kind alone: nothing is looked at, so it answers at
    // once even for a file on a slow share. kNoIcon or kBlankIcon when none
    // is known.
    virtual int TypeIcon(const std::string& path, bool isFolder) = 0;
};

}  // namespace kelvo
