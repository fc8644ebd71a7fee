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

bool IsDrawableSide(int side) {
    return side > 0 && side <= kLargestSide;
}

// A count, then each item as `putOne` writes it.
template <class Item, class PutOne>
void PutList(std::string& bytes, const std::vector<Item>& items, PutOne putOne) {
    PutNumber(bytes, static_cast<std::uint32_t>(items.size()));
    for (const Item& item : items) putOne(item);
}

void PutSigned(std::string& bytes, int number) {
    PutNumber(bytes, static_cast<std::uint32_t>(number));
}

// A count, then as many items as `readOne` reads, each at least `itemBytes`
// long; false once one is missing or refused.
template <class Item, class ReadOne>
bool ReadList(Reader& reader, std::size_t itemBytes, std::vector<Item>& items, ReadOne readOne) {
    const std::optional<std::uint32_t> count = reader.Count(itemBytes);
    if (!count) return false;
    for (std::uint32_t k = 0; k < *count; ++k) {
        std::optional<Item> item = readOne();
        if (!item) return false;
        items.push_back(std::move(*item));
    }
    return true;
}

bool ReadNumbers(Reader& reader, std::vector<int>& numbers) {
    return ReadList(reader, sizeof(std::uint32_t), numbers, [&reader] { return reader.Signed(); });
}

bool ReadTexts(Reader& reader, std::vector<std::string>& texts) {
    return ReadList(reader, sizeof(std::uint32_t), texts, [&reader] { return reader.Text(); });
}

bool ReadSides(Reader& reader, std::vector<int>& sides) {
    return ReadList(reader, sizeof(std::uint32_t), sides, [&reader]() -> std::optional<int> {
        const std::optional<int> side = reader.Signed();
        if (!side || !IsDrawableSide(*side)) return std::nullopt;
        return side;
    });
}

void PutNumbers(std::string& bytes, const std::vector<int>& numbers) {
    PutList(bytes, numbers, [&bytes](int number) { PutSigned(bytes, number); });
}

void PutTexts(std::string& bytes, const std::vector<std::string>& texts) {
    PutList(bytes, texts, [&bytes](const std::string& text) { PutText(bytes, text); });
}

std::optional<IconPicture> ReadPicture(Reader& reader) {
    IconPicture picture;
    const std::optional<int> icon = reader.Signed();
    const std::optional<int> side = reader.Signed();
    if (!icon || !side || !IsDrawableSide(*side)) return std::nullopt;
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
    PutNumbers(bytes, request.sides);
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
    PutNumbers(bytes, answer.icons);
    PutNumbers(bytes, answer.typeIcons);
    PutList(bytes, answer.pictures, [&bytes](const IconPicture& picture) {
        PutSigned(bytes, picture.icon);
        PutSigned(bytes, picture.side);
        for (std::uint32_t pixel : picture.pixels) PutNumber(bytes, pixel);
    });
    return bytes;
}

std::optional<IconAnswer> DecodeIconAnswer(std::string_view bytes) {
    Reader reader(bytes);
    IconAnswer answer;
    // A picture is at least its icon, its side and one pixel.
    if (!ReadNumbers(reader, answer.icons) || !ReadNumbers(reader, answer.typeIcons) ||
        !ReadList(reader, 3 * sizeof(std::uint32_t), answer.pictures, [&reader] { return ReadPicture(reader); }) ||
        !reader.AtEnd()) {
        return std::nullopt;
    }
    return answer;
}

}  // namespace kelvo
