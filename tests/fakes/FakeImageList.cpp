#include "fakes/FakeImageList.h"

namespace kelvo {

void FakeImageList::Clear() {
    logTarget.Note("Clear");
    keys.clear();
    pictures.clear();
}

void FakeImageList::Add(const std::string& key, const Image16& picture) {
    logTarget.Note("Add " + key);
    if (pictures.try_emplace(key, picture).second) keys.push_back(key);
}

}  // namespace kelvo
