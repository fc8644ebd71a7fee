#pragma once
#include <string>

#include "platform/Image.h"

namespace kelvo {

// Square pictures of one size, stored under unique text keys.
class ImageList {
public:
    virtual ~ImageList() = default;
    // Pixels across every picture: the small-icon size at the scale of the
    // window that shows them.
    virtual int Side() const = 0;
    virtual void Clear() = 0;
    // Adds `picture`, Side() pixels across, under `key`; a key already held
    // keeps its picture. A picture of another size throws.
    virtual void Add(const std::string& key, const IconImage& picture) = 0;
    virtual bool Contains(const std::string& key) const = 0;
    virtual int Count() const = 0;
};

}  // namespace kelvo
