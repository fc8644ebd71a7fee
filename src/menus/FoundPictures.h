#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "menus/IconTransfer.h"

namespace kelvo {

// The pictures of icons as another process found and drew them, under
// numbers of their own: above any index of this process's system image
// list, and never the same for two answers, so that a picture held for an
// earlier answer is not taken for a later one. The entries' pictures go with
// the lists they were found for; the types' stay for the folders' rows.
class FoundPictures {
public:
    static constexpr int kFirstIcon = 1 << 24;

    // Keeps the pictures of `answer`, whose request asked for `types`: the
    // entries' in place of the earlier entries' (an answer for no entry
    // leaves those), the types' beside those found before. Returns the
    // entries' icons renumbered; kNoIcon and kUnavailableIcon stay.
    std::vector<int> Take(IconAnswer answer, const std::vector<std::string>& types);
    // The icon of a type (TypeKey) found so far, kNoIcon for a type that has
    // none; nothing while it is not found.
    std::optional<int> TypeIcon(const std::string& type) const;
    // The picture of `icon` that serves `side` best: that side, else the
    // nearest larger one, else the largest; nullptr when none is held.
    const IconPicture* Nearest(int icon, int side) const;
    static bool IsFound(int icon) { return icon >= kFirstIcon; }

private:
    std::vector<IconPicture> entryPictures_;
    std::vector<IconPicture> typePictures_;
    std::map<std::string, int> types_;
    int next_ = kFirstIcon;
};

}  // namespace kelvo
