#pragma once
#include <string>

#include "platform/ImageList.h"
#include "platform/ListView.h"
#include "app/DesktopParts.h"

namespace kelvo {

// Key of the blank picture every image list starts with.
inline constexpr char kDummyIconKey[] = "dummy";

// Adds the blank picture under kDummyIconKey.
void AddBlankPicture(ImageList& images);

// Empties `images` while detached from `view`, seeds it with the blank
// picture and attaches it again. The rows of the view are left as they are.
void ResetImages(ListView& view, ImageList& images);

void ResetDesktopImages(DesktopParts& parts);
void ResetCustomImages(DesktopParts& parts);

}  // namespace kelvo
