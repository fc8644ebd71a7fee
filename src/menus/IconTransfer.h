#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

// The key of the icon that a file or folder shows by its name and kind alone:
// "\\" for a folder, else the name's extension in lower case ("" for none).
std::string TypeKey(const std::string& path, bool isFolder);

// What the program asks of the process that finds its entries' icons: the
// icon of each of `paths` and of each type of `types` (TypeKey), drawn
// `sides` pixels across (one side per scale of the monitors).
struct IconRequest {
    std::vector<int> sides;
    std::vector<std::string> paths;
    std::vector<std::string> types;
    bool operator==(const IconRequest&) const = default;
};

// One icon drawn at one side: premultiplied blue, green, red and alpha,
// row by row from the top.
struct IconPicture {
    int icon = 0;
    int side = 0;
    std::vector<std::uint32_t> pixels;
    bool operator==(const IconPicture&) const = default;
};

// The answer: one icon per path (as FindEntryIcons gives them), one per
// type, and the pictures of every distinct icon that is not kNoIcon or
// kUnavailableIcon.
struct IconAnswer {
    std::vector<int> icons;
    std::vector<int> typeIcons;
    std::vector<IconPicture> pictures;
    bool operator==(const IconAnswer&) const = default;
};

// Both travel through pipes between the two processes; a message that is
// cut short or malformed decodes to nothing.
std::string EncodeIconRequest(const IconRequest& request);
std::optional<IconRequest> DecodeIconRequest(std::string_view bytes);
std::string EncodeIconAnswer(const IconAnswer& answer);
std::optional<IconAnswer> DecodeIconAnswer(std::string_view bytes);

}  // namespace kelvo
