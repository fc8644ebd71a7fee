#include "fakes/FakeImageList.h"

#include <stdexcept>

namespace kelvo {

void FakeImageList::Clear() {
    logTarget.Note("Clear");
    keys.clear();
    pictures.clear();
}

void FakeImageList::Add(const std::string& key, const IconImage& picture) {
    logTarget.Note("Add " + key);
    if (picture.side != side || picture.pixels.size() != static_cast<std::size_t>(side * side))
        throw std::invalid_argument("a picture " + std::to_string(picture.side) + " pixels across for a list of " +
                                    std::to_string(side));
    if (pictures.try_emplace(key, picture).second) keys.push_back(key);
}

}  // namespace kelvo
