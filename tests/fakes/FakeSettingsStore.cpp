#include "fakes/FakeSettingsStore.h"

#include <algorithm>
#include <stdexcept>

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

namespace {
class PassedOn final : public SettingsStore {
public:
    explicit PassedOn(SettingsStore& store) : store_(store) {}
    StoredValue Get(const std::string& section, const std::string& key) override { return store_.Get(section, key); }
    bool HasSection(const std::string& section) override { return store_.HasSection(section); }
    void Put(const std::string& section, const std::string& key, const std::string& value) override {
        store_.Put(section, key, value);
    }
    void DeleteSection(const std::string& section) override { store_.DeleteSection(section); }

private:
    SettingsStore& store_;
};
}  // namespace

std::unique_ptr<SettingsStore> FakeSettingsStore::OpenForOtherThread() {
    ++otherThreadOpenings;
    return offersOtherThread ? std::make_unique<PassedOn>(*this) : nullptr;
}

StoredValue FakeSettingsStore::Get(const std::string& section, const std::string& key) {
    const std::lock_guard turn(*turns_);
    logTarget.Note("Get " + section + " " + key);
    if (failsReads && failsReads(section, key)) throw std::runtime_error("store cannot read " + section);
    auto s = sections_.find(section);
    if (s == sections_.end()) return StoredValue::Absent();
    auto v = s->second.values.find(key);
    return v == s->second.values.end() ? StoredValue::Absent() : v->second.value;
}

bool FakeSettingsStore::HasSection(const std::string& section) {
    const std::lock_guard turn(*turns_);
    logTarget.Note("HasSection " + section);
    if (failsReads && failsReads(section, "")) throw std::runtime_error("store cannot read " + section);
    return sections_.contains(section);
}

void FakeSettingsStore::Put(const std::string& section, const std::string& key, const std::string& value) {
    const std::lock_guard turn(*turns_);
    logTarget.Note("Put " + section + " " + key + " " + value);
    CountWrite();
    Store(section, key, StoredValue::Text(value));
}

void FakeSettingsStore::DeleteSection(const std::string& section) {
    const std::lock_guard turn(*turns_);
    logTarget.Note("DeleteSection " + section);
    CountWrite();
    sections_.erase(section);
}

void FakeSettingsStore::CountWrite() {
    ++writes_;
    if (refuses && refuses(writes_)) throw std::runtime_error("store refused write " + std::to_string(writes_));
}

void FakeSettingsStore::Seed(const std::string& section, const std::string& key, const std::string& value) {
    Store(section, key, StoredValue::Text(value));
}

void FakeSettingsStore::SeedSection(const std::string& section) {
    sections_.try_emplace(section, Section{section, {}});
}

void FakeSettingsStore::SeedUnreadable(const std::string& section, const std::string& key) {
    Store(section, key, StoredValue::Unreadable());
}

void FakeSettingsStore::Store(const std::string& section, const std::string& key, StoredValue value) {
    Section& held = sections_.try_emplace(section, Section{section, {}}).first->second;
    held.values.try_emplace(key, Entry{key, {}}).first->second.value = std::move(value);
}

std::optional<std::string> FakeSettingsStore::Value(const std::string& section, const std::string& key) const {
    auto s = sections_.find(section);
    if (s == sections_.end()) return std::nullopt;
    auto v = s->second.values.find(key);
    if (v == s->second.values.end() || v->second.value.kind != StoredValue::Kind::Text) return std::nullopt;
    return v->second.value.text;
}

std::vector<std::string> FakeSettingsStore::Sections() const {
    std::vector<std::string> names;
    for (const auto& [folded, section] : sections_) names.push_back(section.name);
    return names;
}

std::vector<std::string> FakeSettingsStore::Keys(const std::string& section) const {
    std::vector<std::string> names;
    if (auto s = sections_.find(section); s != sections_.end()) {
        for (const auto& [folded, entry] : s->second.values) names.push_back(entry.key);
    }
    return names;
}

}  // namespace kelvo
