#include "lists/EntryImages.h"

#include "platform/Image.h"

namespace kelvo {

void AddBlankPicture(ImageList& images) {
    images.Add(kDummyIconKey, IconImage::Filled(images.Side(), 0xFFFFFF));
}

void ResetImages(RowTarget target) {
    target.view.AttachImages(nullptr);
    target.images.Clear();
    AddBlankPicture(target.images);
    target.view.AttachImages(&target.images);
}

}  // namespace kelvo
