#include "lists/FileRows.h"

#include <cmath>
#include <initializer_list>
#include <numbers>

#include "app/TextUtils.h"

namespace kelvo {
namespace {

bool EndsWithAny(const std::string& lowerName, std::initializer_list<const char*> extensions) {
    for (const char* extension : extensions) {
        if (lowerName.ends_with(extension)) return true;
    }
    return false;
}

// A red ring crossed by a bar from top left to bottom right, on white.
Image16 UnavailablePicture() {
    constexpr double kCentre = Image16::kSide / 2.0;
    Image16 picture = Image16::Filled(0xFFFFFF);
    for (int y = 0; y < Image16::kSide; ++y) {
        for (int x = 0; x < Image16::kSide; ++x) {
            const double dx = x + 0.5 - kCentre;
            const double dy = y + 0.5 - kCentre;
            const double radius = std::hypot(dx, dy);
            const bool ring = radius >= 5.0 && radius <= 7.5;
            const bool bar = radius < 5.0 && std::abs(dx - dy) / std::numbers::sqrt2 <= 1.3;
            if (ring || bar) picture.pixels[static_cast<std::size_t>(y * Image16::kSide + x)] = 0xD01010;
        }
    }
    return picture;
}

}  // namespace

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
        if (!key.empty() && !target.images.Contains(key)) {
            if (auto picture = shell.DrawSmallIcon(info->iconIndex)) target.images.Add(key, *picture);
        }
    }
    const bool hasPicture = !key.empty() && target.images.Contains(key);
    target.view.Append(ListRow{file.text, file.location, hasPicture ? key : std::string()});
}

void AddUnavailableRow(RowTarget target, const std::string& text, const std::string& location) {
    if (!target.images.Contains(kUnavailableIconKey)) target.images.Add(kUnavailableIconKey, UnavailablePicture());
    target.view.Append(ListRow{text, location, kUnavailableIconKey});
}

}  // namespace kelvo
