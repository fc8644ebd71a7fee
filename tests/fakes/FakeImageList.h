#pragma once
#include <map>
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "platform/ImageList.h"

namespace kelvo {

class FakeImageList : public ImageList {
public:
    explicit FakeImageList(std::string name = "imageList") : logTarget{nullptr, std::move(name)} {}

    int Side() const override { return side; }
    void Clear() override;
    void Add(const std::string& key, const IconImage& picture) override;
    bool Contains(const std::string& key) const override { return pictures.count(key) > 0; }
    int Count() const override { return static_cast<int>(keys.size()); }

    int side = kBaseIconSide;
    // Keys in the order their pictures were added.
    std::vector<std::string> keys;
    std::map<std::string, IconImage> pictures;
    LogTarget logTarget;
};

}  // namespace kelvo
