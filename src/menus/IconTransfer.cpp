#include "menus/IconTransfer.h"

#include <cstring>

namespace kelvo {
namespace {

// The largest side drawn: a 256-pixel icon at 400 %.
constexpr int kLargestSide = 1024;

void PutNumber(std::string& bytes, std::uint32_t number) {
    char raw[sizeof number];
    std::memcpy(raw, &number, sizeof number);
    bytes.append(raw, sizeof number);
}

void PutText(std::string& bytes, const std::string& text) {
    PutNumber(bytes, static_cast<std::uint32_t>(text.size()));
    bytes += text;
}

// Reads numbers and texts off the front of a message; once anything is
// missing, every later read fails too.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    std::optional<std::uint32_t> Number() {
        if (bytes_.size() < sizeof(std::uint32_t)) return Fail<std::uint32_t>();
        std::uint32_t number = 0;
        std::memcpy(&number, bytes_.data(), sizeof number);
        bytes_.remove_prefix(sizeof number);
        return number;
    }
    // A count of items at least `itemBytes` long each, which the rest of
    // the message can hold.
    std::optional<std::uint32_t> Count(std::size_t itemBytes) {
        const std::optional<std::uint32_t> count = Number();
        if (!count || *count > bytes_.size() / itemBytes) return Fail<std::uint32_t>();
        return count;
    }
    std::optional<int> Signed() {
        const std::optional<std::uint32_t> number = Number();
        if (!number) return std::nullopt;
        return static_cast<int>(static_cast<std::int32_t>(*number));
    }
    std::optional<std::string> Text() {
        const std::optional<std::uint32_t> size = Number();
        if (!size || *size > bytes_.size()) return Fail<std::string>();
        std::string text(bytes_.substr(0, *size));
        bytes_.remove_prefix(*size);
        return text;
    }
    bool AtEnd() const { return bytes_.empty(); }

private:
    template <class T>
    std::optional<T> Fail() {
        bytes_ = {};
        return std::nullopt;
    }
    std::string_view bytes_;
};

void PutTexts(std::string& bytes, const std::vector<std::string>& texts) {
    PutNumber(bytes, static_cast<std::uint32_t>(texts.size()));
    for (const std::string& text : texts) PutText(bytes, text);
}

void PutIcons(std::string& bytes, const std::vector<int>& icons) {
    PutNumber(bytes, static_cast<std::uint32_t>(icons.size()));
    for (int icon : icons) PutNumber(bytes, static_cast<std::uint32_t>(icon));
}

bool ReadTexts(Reader& reader, std::vector<std::string>& texts) {
    const std::optional<std::uint32_t> count = reader.Count(sizeof(std::uint32_t));
    if (!count) return false;
    for (std::uint32_t k = 0; k < *count; ++k) {
        std::optional<std::string> text = reader.Text();
        if (!text) return false;
        texts.push_back(std::move(*text));
    }
    return true;
}

bool ReadIcons(Reader& reader, std::vector<int>& icons) {
    const std::optional<std::uint32_t> count = reader.Count(sizeof(std::uint32_t));
    if (!count) return false;
    for (std::uint32_t k = 0; k < *count; ++k) {
        const std::optional<int> icon = reader.Signed();
        if (!icon) return false;
        icons.push_back(*icon);
    }
    return true;
}

bool ReadSides(Reader& reader, std::vector<int>& sides) {
    const std::optional<std::uint32_t> count = reader.Count(sizeof(std::uint32_t));
    if (!count) return false;
    for (std::uint32_t k = 0; k < *count; ++k) {
        const std::optional<int> side = reader.Signed();
        if (!side || *side <= 0 || *side > kLargestSide) return false;
        sides.push_back(*side);
    }
    return true;
}

std::optional<IconPicture> ReadPicture(Reader& reader) {
    IconPicture picture;
    const std::optional<int> icon = reader.Signed();
    const std::optional<int> side = reader.Signed();
    if (!icon || !side || *side <= 0 || *side > kLargestSide) return std::nullopt;
    picture.icon = *icon;
    picture.side = *side;
    const std::size_t count = static_cast<std::size_t>(*side) * static_cast<std::size_t>(*side);
    picture.pixels.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        const std::optional<std::uint32_t> pixel = reader.Number();
        if (!pixel) return std::nullopt;
        picture.pixels.push_back(*pixel);
    }
    return picture;
}

}  // namespace

std::string TypeKey(const std::string& path, bool isFolder) {
    if (isFolder) return "\\";
    const std::size_t slash = path.find_last_of("\\/");
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string extension = path.substr(dot);
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return extension;
}

std::string EncodeIconRequest(const IconRequest& request) {
    std::string bytes;
    PutNumber(bytes, static_cast<std::uint32_t>(request.sides.size()));
    for (int side : request.sides) PutNumber(bytes, static_cast<std::uint32_t>(side));
    PutTexts(bytes, request.paths);
    PutTexts(bytes, request.types);
    return bytes;
}

std::optional<IconRequest> DecodeIconRequest(std::string_view bytes) {
    Reader reader(bytes);
    IconRequest request;
    if (!ReadSides(reader, request.sides) || !ReadTexts(reader, request.paths) || !ReadTexts(reader, request.types) ||
        !reader.AtEnd()) {
        return std::nullopt;
    }
    return request;
}

std::string EncodeIconAnswer(const IconAnswer& answer) {
    std::string bytes;
    PutIcons(bytes, answer.icons);
    PutIcons(bytes, answer.typeIcons);
    PutNumber(bytes, static_cast<std::uint32_t>(answer.pictures.size()));
    for (const IconPicture& picture : answer.pictures) {
        PutNumber(bytes, static_cast<std::uint32_t>(picture.icon));
        PutNumber(bytes, static_cast<std::uint32_t>(picture.side));
        for (std::uint32_t pixel : picture.pixels) PutNumber(bytes, pixel);
    }
    return bytes;
}

std::optional<IconAnswer> DecodeIconAnswer(std::string_view bytes) {
    Reader reader(bytes);
    IconAnswer answer;
    if (!ReadIcons(reader, answer.icons) || !ReadIcons(reader, answer.typeIcons)) return std::nullopt;
    const std::optional<std::uint32_t> pictures = reader.Count(3 * sizeof(std::uint32_t));
    if (!pictures) return std::nullopt;
    for (std::uint32_t k = 0; k < *pictures; ++k) {
        std::optional<IconPicture> picture = ReadPicture(reader);
        if (!picture) return std::nullopt;
        answer.pictures.push_back(std::move(*picture));
    }
    if (!reader.AtEnd()) return std::nullopt;
    return answer;
}

}  // namespace kelvo
