#pragma once

#include "app/DesktopParts.h"

namespace kelvo {

// Adds a row to ListView1 for every entry of the desktop folder, in the file
// system's order, subfolders and hidden files included; names are shown
// lower-cased as far as they still name their file, with the desktop folder
// as their location.
void ScanDesktopFolder(DesktopParts& parts, DesktopState& state);

// The "Load DeskTop " button: the desktop list becomes the desktop folder's
// entries.
void LoadDeskTop(DesktopParts& parts, DesktopState& state);

}  // namespace kelvo
