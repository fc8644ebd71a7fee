#include "lists/FileRows.h"

#include <cmath>
#include <initializer_list>
#include <numbers>

#include "text/TextUtils.h"
#include "lists/EntryImages.h"

namespace kelvo {
namespace {

bool EndsWithAny(const std::string& lowerName, std::initializer_list<const char*> extensions) {
    for (const char* extension : extensions) {
        if (lowerName.ends_with(extension)) return true;
    }
    return false;
}

// Adds the picture of the shell's icon `iconIndex` under `key`, unless the
// list holds the key already.
void AddShellPicture(ShellInfo& shell, ImageList& images, const std::string& key, int iconIndex) {
    if (key.empty() || images.Contains(key)) return;
    if (auto picture = shell.DrawSmallIcon(iconIndex, images.Side())) images.Add(key, *picture);
}

void AddUnavailablePicture(ImageList& images) {
    if (!images.Contains(kUnavailableIconKey)) images.Add(kUnavailableIconKey, UnavailablePicture(images.Side()));
}

}  // namespace

IconImage UnavailablePicture(int side) {
    const double unit = side / static_cast<double>(kBaseIconSide);
    const double centre = side / 2.0;
    IconImage picture = IconImage::Filled(side, 0xFFFFFF);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double dx = (x + 0.5 - centre) / unit;
            const double dy = (y + 0.5 - centre) / unit;
            const double radius = std::hypot(dx, dy);
            const bool ring = radius >= 5.0 && radius <= 7.5;
            const bool bar = radius < 5.0 && std::abs(dx - dy) / std::numbers::sqrt2 <= 1.3;
            if (ring || bar) picture.At(x, y) = 0xD01010;
        }
    }
    return picture;
}

std::string ImageKeyOf(ShellInfo& shell, const std::string& name, const std::string& path,
                       const std::string& typeName) {
    std::string type = typeName;
    // ASCII is enough for these keys: the words they are compared with
    // ("application", "shortcut", ".exe"...) are ASCII, and a type has one
    // name in the shell, so its key stays one key whatever happens to letters
    // beyond ASCII.
    type = AsciiLowerCase(StripNulls(type));
    // The shell's type names are translated, and some shells name programs by
    // their extension: programs and shortcuts are known by extension too.
    const std::string lowerName = AsciiLowerCase(name);
    if (type == "shortcut" || EndsWithAny(lowerName, {".lnk"})) return name;
    if (type != "application" && !EndsWithAny(lowerName, {".exe", ".com"})) return type;
    // A Windows program names the Windows version it needs in the high word.
    return GetHiWord(shell.ExecutableType(path)) > 0 ? name : kDosIconKey;
}

void AddFileRow(ShellInfo& shell, RowTarget target, const FileToAdd& file) {
    std::string key;
    if (auto info = shell.Describe(file.path)) {
        key = ImageKeyOf(shell, file.name, file.path, info->typeName);
        AddShellPicture(shell, target.images, key, info->iconIndex);
    }
    const bool hasPicture = !key.empty() && target.images.Contains(key);
    target.view.Append(ListRow{file.text, file.location, hasPicture ? key : std::string()});
}

void AddUnavailableRow(RowTarget target, const std::string& text, const std::string& location) {
    AddUnavailablePicture(target.images);
    target.view.Append(ListRow{text, location, kUnavailableIconKey});
}

void RedrawRowPictures(ShellInfo& shell, RowTarget target) {
    target.view.AttachImages(nullptr);
    target.images.Clear();
    AddBlankPicture(target.images);
    for (int k = 1; k <= target.view.Count(); ++k) {
        const ListRow row = target.view.Row(k);
        if (row.iconKey == kUnavailableIconKey) {
            AddUnavailablePicture(target.images);
        } else if (!row.iconKey.empty() && !target.images.Contains(row.iconKey)) {
            // Any row of a key names a file with that key's picture.
            if (auto info = shell.Describe(row.subItem + row.text))
                AddShellPicture(shell, target.images, row.iconKey, info->iconIndex);
        }
    }
    target.view.AttachImages(&target.images);
}

}  // namespace kelvo
