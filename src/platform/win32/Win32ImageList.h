#pragma once
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>

#include "platform/ImageList.h"

namespace kelvo {

// A comctl32 image list of 16x16 pictures, each under a unique text key.
class Win32ImageList final : public ImageList {
public:
    Win32ImageList();
    ~Win32ImageList() override;
    Win32ImageList(const Win32ImageList&) = delete;
    Win32ImageList& operator=(const Win32ImageList&) = delete;

    void Clear() override;
    void Add(const std::string& key, const Image16& picture) override;
    bool Contains(const std::string& key) const override;
    int Count() const override;

    // Position of the key's picture, or -1 when the key is not held.
    int IndexOf(const std::string& key) const;
    HIMAGELIST Handle() const { return list_; }

private:
    HIMAGELIST list_;
    std::map<std::string, int> indices_;
};

}  // namespace kelvo
