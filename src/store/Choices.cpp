#include "store/Choices.h"

#include <exception>
#include <vector>

#include "store/SplitFields.h"

namespace kelvo {

namespace {
constexpr std::string_view kFlagEnding = "%1";

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Splits name%location%1 at the first "%" that an absolute folder running to
// the final "%1" follows. A file name holds no ":" or "\", so no "%" inside
// the name can be followed by one; a "%" in the folder comes after it.
std::optional<ListEntry> EntryBeforeFlag(std::string_view value) {
    if (!value.ends_with(kFlagEnding)) return std::nullopt;
    const std::string_view body = value.substr(0, value.size() - kFlagEnding.size());
    if (!body.ends_with('\\')) return std::nullopt;
    for (auto at = body.find('%'); at != std::string_view::npos; at = body.find('%', at + 1)) {
        const std::string_view location = body.substr(at + 1);
        if (IsAbsoluteLocation(location)) return MakeEntry(std::string(body.substr(0, at)), std::string(location));
    }
    return std::nullopt;
}
}  // namespace

std::string ChoiceKey(int position) {
    return "MenuChoice" + std::to_string(position);
}

std::string ChoiceValue(const std::string& name, const std::string& location) {
    return name + "%" + location + "%1";
}

bool IsAbsoluteLocation(std::string_view location) {
    const bool drive = location.size() >= 3 && IsDriveLetter(location[0]) && location.substr(1, 2) == ":\\";
    return drive || location.starts_with("\\\\");
}

ListEntry ParseChoice(const std::string& value) {
    if (auto entry = EntryBeforeFlag(value)) return *entry;
    std::vector<std::string> fields = SplitFields(value, "%");
    return MakeEntry(fields[0], fields.size() > 1 ? fields[1] : std::string());
}

void SaveChoice(SettingsStore& store, const std::string& section, const std::string& key,
                const std::string& value) {
    store.Put(section, key, value);
}

std::optional<std::string> ReadChoice(SettingsStore& store, const std::string& section,
                                      const std::string& key, const std::string& fallback) {
    StoredValue value = store.Get(section, key);
    switch (value.kind) {
        case StoredValue::Kind::Text: return std::move(value.text);
        case StoredValue::Kind::Unreadable: return std::nullopt;
        case StoredValue::Kind::Absent: break;
    }
    try {
        SaveChoice(store, section, key, fallback);
    } catch (const std::exception&) {
        // A store that cannot be written still reads.
    }
    return fallback;
}

}  // namespace kelvo
