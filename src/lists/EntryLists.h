#pragma once
#include "lists/FileRows.h"
#include "platform/Controls.h"

namespace kelvo {

// The settings window's two lists as the code that fills them sees them:
// each with the image list of its rows' pictures, and the pointer that
// shows a long fill under way.
struct EntryLists {
    RowTarget desktop;
    RowTarget custom;
    BusyPointer& pointer;
};

}  // namespace kelvo
