#include "store/Choices.h"

#include <vector>

#include "store/SplitFields.h"

namespace kelvo {

namespace {
// Upper-cased (ASCII) with the spaces at both ends removed.
std::string Normalised(const std::string& text) {
    auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    std::string result = text.substr(first, text.find_last_not_of(' ') - first + 1);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}
}  // namespace

std::string ChoiceKey(int position) {
    return "MenuChoice" + std::to_string(position);
}

std::string ChoiceValue(const std::string& name, const std::string& location) {
    return name + "%" + location + "%1";
}

ListEntry ParseChoice(const std::string& value) {
    std::vector<std::string> fields = SplitFields(value, "%");
    return MakeEntry(fields[0], fields.size() > 1 ? fields[1] : std::string());
}

void SaveChoice(SettingsStore& store, const std::string& section, const std::string& key,
                const std::string& value) {
    store.Put(section, key, value);
}

std::string ReadChoice(SettingsStore& store, const std::string& section, const std::string& key,
                       const std::string& fallback) {
    std::string value = store.Get(section, key, fallback);
    if (Normalised(value) == Normalised(fallback)) SaveChoice(store, section, key, fallback);
    return value;
}

}  // namespace kelvo
