#pragma once
#include <vector>

#include "menus/IconTransfer.h"

namespace kelvo {

// The pictures of the entries' icons as another process found and drew them,
// under numbers of their own: above any index of this process's system image
// list, which folder rows' icons use, and never the same for two answers, so
// that a picture held for an earlier answer is not taken for a later one.
class FoundPictures {
public:
    static constexpr int kFirstIcon = 1 << 24;

    // Keeps the pictures of `answer` in place of the earlier ones, and
    // returns its icons renumbered; kNoIcon and kUnavailableIcon stay.
    std::vector<int> Take(IconAnswer answer);
    // The picture of `icon` that serves `side` best: that side, else the
    // nearest larger one, else the largest; nullptr when none is held.
    const IconPicture* Nearest(int icon, int side) const;
    static bool IsFound(int icon) { return icon >= kFirstIcon; }

private:
    std::vector<IconPicture> pictures_;
    int next_ = kFirstIcon;
};

}  // namespace kelvo
