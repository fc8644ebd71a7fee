#include "lists/EntryImages.h"

#include "platform/Image.h"

namespace kelvo {

void AddBlankPicture(ImageList& images) {
    images.Add(kDummyIconKey, IconImage::Filled(images.Side(), 0xFFFFFF));
}

void ResetImages(ListView& view, ImageList& images) {
    view.AttachImages(nullptr);
    images.Clear();
    AddBlankPicture(images);
    view.AttachImages(&images);
}

void ResetDesktopImages(DesktopParts& parts) {
    ResetImages(parts.listView1, parts.imageList1);
}

void ResetCustomImages(DesktopParts& parts) {
    ResetImages(parts.listView2, parts.imageList2);
}

}  // namespace kelvo
