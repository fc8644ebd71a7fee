#include "menus/FoundPictures.h"

#include <map>

namespace kelvo {
namespace {

// Whether a picture `candidate` pixels across serves `side` better than one
// `current` across: drawn smaller looks better than drawn larger.
bool ServesBetter(int candidate, int current, int side) {
    if (current == side) return false;
    if (candidate == side) return true;
    if ((candidate > side) != (current > side)) return candidate > side;
    return candidate > side ? candidate < current : candidate > current;
}

}  // namespace

std::vector<int> FoundPictures::Take(IconAnswer answer) {
    std::map<int, int> renumbered;
    const auto numberOf = [&](int icon) {
        auto [at, added] = renumbered.try_emplace(icon, next_);
        if (added) ++next_;
        return at->second;
    };
    for (int& icon : answer.icons) {
        if (icon >= 0) icon = numberOf(icon);
    }
    for (IconPicture& picture : answer.pictures) picture.icon = numberOf(picture.icon);
    pictures_ = std::move(answer.pictures);
    return std::move(answer.icons);
}

const IconPicture* FoundPictures::Nearest(int icon, int side) const {
    const IconPicture* best = nullptr;
    for (const IconPicture& picture : pictures_) {
        if (picture.icon == icon && (!best || ServesBetter(picture.side, best->side, side))) best = &picture;
    }
    return best;
}

}  // namespace kelvo
