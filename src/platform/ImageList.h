#pragma once
#include <string>

#include "platform/Image.h"

namespace kelvo {

// 16x16 pictures stored under unique text keys.
class ImageList {
public:
    virtual ~ImageList() = default;
    virtual void Clear() = 0;
    // Adds `picture` under `key`; a key already held keeps its picture.
    virtual void Add(const std::string& key, const Image16& picture) = 0;
    virtual bool Contains(const std::string& key) const = 0;
    virtual int Count() const = 0;
};

}  // namespace kelvo
