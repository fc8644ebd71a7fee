#pragma once
#include <string>

#include "lists/FileRows.h"
#include "platform/ImageList.h"
#include "platform/ListView.h"

namespace kelvo {

// Key of the blank picture every image list starts with.
inline constexpr char kDummyIconKey[] = "dummy";

// Adds the blank picture under kDummyIconKey.
void AddBlankPicture(ImageList& images);

// Empties the target's image list while detached from its view, seeds it
// with the blank picture and attaches it again. The rows of the view are
// left as they are.
void ResetImages(RowTarget target);

}  // namespace kelvo
