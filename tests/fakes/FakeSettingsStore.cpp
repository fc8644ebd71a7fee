#include "fakes/FakeSettingsStore.h"

#include <algorithm>

namespace kelvo {

namespace {
char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return FoldCase(x) < FoldCase(y); });
}

std::string FakeSettingsStore::Get(const std::string& section, const std::string& key,
                                   const std::string& fallback) {
    logTarget.Note("Get " + section + " " + key);
    return Value(section, key).value_or(fallback);
}

void FakeSettingsStore::Put(const std::string& section, const std::string& key, const std::string& value) {
    logTarget.Note("Put " + section + " " + key + " " + value);
    ++puts_;
    Store(section, key, value);
}

void FakeSettingsStore::Seed(const std::string& section, const std::string& key, const std::string& value) {
    Store(section, key, value);
}

void FakeSettingsStore::Store(const std::string& section, const std::string& key, const std::string& value) {
    Section& held = sections_.try_emplace(section, Section{section, {}}).first->second;
    held.values.try_emplace(key, StoredValue{key, {}}).first->second.text = value;
}

std::optional<std::string> FakeSettingsStore::Value(const std::string& section, const std::string& key) const {
    auto s = sections_.find(section);
    if (s == sections_.end()) return std::nullopt;
    auto v = s->second.values.find(key);
    if (v == s->second.values.end()) return std::nullopt;
    return v->second.text;
}

std::vector<std::string> FakeSettingsStore::Sections() const {
    std::vector<std::string> names;
    for (const auto& [folded, section] : sections_) names.push_back(section.name);
    return names;
}

std::vector<std::string> FakeSettingsStore::Keys(const std::string& section) const {
    std::vector<std::string> names;
    if (auto s = sections_.find(section); s != sections_.end()) {
        for (const auto& [folded, value] : s->second.values) names.push_back(value.key);
    }
    return names;
}

}  // namespace kelvo
