#include "lists/EntryImages.h"

#include "platform/Image.h"

namespace kelvo {

void ResetImages(ListView& view, ImageList& images) {
    view.AttachImages(nullptr);
    images.Clear();
    images.Add(kDummyIconKey, Image16::Filled(0xFFFFFF));
    view.AttachImages(&images);
}

void ResetDesktopImages(DesktopParts& parts) {
    ResetImages(parts.listView1, parts.imageList1);
}

void ResetCustomImages(DesktopParts& parts) {
    ResetImages(parts.listView2, parts.imageList2);
}

}  // namespace kelvo
