#pragma once
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>

#include "platform/ImageList.h"

namespace kelvo {

// A comctl32 image list of square pictures, each under a unique text key.
class Win32ImageList final : public ImageList {
public:
    explicit Win32ImageList(int side = kBaseIconSide);
    ~Win32ImageList() override;
    Win32ImageList(const Win32ImageList&) = delete;
    Win32ImageList& operator=(const Win32ImageList&) = delete;

    int Side() const override { return side_; }
    void Clear() override;
    void Add(const std::string& key, const IconImage& picture) override;
    bool Contains(const std::string& key) const override;
    int Count() const override;

    // Position of the key's picture, or -1 when the key is not held.
    int IndexOf(const std::string& key) const;
    HIMAGELIST Handle() const { return list_; }
    // Takes pictures `side` pixels across from now on; the list is emptied.
    void SetSide(int side);

private:
    int side_;
    HIMAGELIST list_;
    std::map<std::string, int> indices_;
};

}  // namespace kelvo
