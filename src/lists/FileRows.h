#pragma once
#include <string>

#include "platform/ImageList.h"
#include "platform/ListView.h"
#include "platform/ShellInfo.h"

namespace kelvo {

// Key of the one picture that all DOS programs of a list share.
inline constexpr char kDosIconKey[] = "DOSExeIcon";
// Key of the one picture that all entries on an unreachable drive or share
// share; no file name holds "<" or ">", so no file's own key can match it.
inline constexpr char kUnavailableIconKey[] = "<unavailable>";

// A list view with the image list that holds its rows' icons.
struct RowTarget {
    ListView& view;
    ImageList& images;
};

// One file to add as a row.
struct FileToAdd {
    std::string name;      // the file's own name, as found
    std::string path;      // what the shell is asked about
    std::string text;      // column "Program Name"
    std::string location;  // column "Program Location"
};

// The "unavailable" sign: a red ring crossed by a bar from top left to
// bottom right, on white, `side` pixels across; measured in sixteenths of
// the side, so it keeps its shape at every scale.
IconImage UnavailablePicture(int side);

// The key of the file's picture: programs with a Windows executable type and
// shortcuts have one each (their name), all DOS programs share one, and any
// other file shares the one of its type name, its ASCII letters lower-cased.
std::string ImageKeyOf(ShellInfo& shell, const std::string& name, const std::string& path,
                       const std::string& typeName);

// Appends the file as the last row of the target, adding its picture to the
// image list the first time its key is used. A file whose picture cannot be
// drawn is listed without one.
void AddFileRow(ShellInfo& shell, RowTarget target, const FileToAdd& file);

// Appends a row for a file whose drive or share cannot be reached now, with
// the "unavailable" picture. The shell is not asked about the file: that
// would wait for the dead drive or share.
void AddUnavailableRow(RowTarget target, const std::string& text, const std::string& location);

// Draws the pictures of the target's rows again at the image list's side,
// once the window has moved to a monitor of another scale. Each row keeps
// its key; a key whose file the shell no longer knows keeps no picture.
void RedrawRowPictures(ShellInfo& shell, RowTarget target);

}  // namespace kelvo
