#include "menus/FoundPictures.h"

#include <set>

#include "platform/Image.h"

namespace kelvo {
namespace {

void Consider(const std::vector<IconPicture>& pictures, int icon, int side, const IconPicture*& best) {
    for (const IconPicture& picture : pictures) {
        if (picture.icon == icon && (!best || ServesBetter(picture.side, best->side, side))) best = &picture;
    }
}

}  // namespace

std::vector<int> FoundPictures::Take(IconAnswer answer, const std::vector<std::string>& types) {
    std::map<int, int> renumbered;
    const auto renumber = [&](std::vector<int>& icons) {
        for (int& icon : icons) {
            if (icon < 0) continue;
            auto [at, added] = renumbered.try_emplace(icon, next_);
            if (added) ++next_;
            icon = at->second;
        }
    };
    renumber(answer.icons);
    renumber(answer.typeIcons);
    const std::set<int> entryIcons(answer.icons.begin(), answer.icons.end());
    const std::set<int> typeIcons(answer.typeIcons.begin(), answer.typeIcons.end());
    for (std::size_t k = 0; k < types.size() && k < answer.typeIcons.size(); ++k) types_[types[k]] = answer.typeIcons[k];
    if (!answer.icons.empty()) entryPictures_.clear();
    for (IconPicture& picture : answer.pictures) {
        const auto number = renumbered.find(picture.icon);
        if (number == renumbered.end()) continue;
        picture.icon = number->second;
        if (typeIcons.contains(picture.icon)) typePictures_.push_back(picture);
        if (entryIcons.contains(picture.icon)) entryPictures_.push_back(std::move(picture));
    }
    return std::move(answer.icons);
}

std::optional<int> FoundPictures::TypeIcon(const std::string& type) const {
    const auto found = types_.find(type);
    if (found == types_.end()) return std::nullopt;
    return found->second;
}

const IconPicture* FoundPictures::Nearest(int icon, int side) const {
    const IconPicture* best = nullptr;
    Consider(entryPictures_, icon, side, best);
    Consider(typePictures_, icon, side, best);
    return best;
}

}  // namespace kelvo
