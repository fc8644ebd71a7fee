#include "store/ListCommit.h"

#include <charconv>
#include <exception>
#include <optional>
#include <stdexcept>
#include <utility>
#include <system_error>

#include "store/Choices.h"

namespace kelvo {

namespace {
using Values = std::vector<std::string>;

constexpr char kStagingSuffix[] = ".saving";
// Written into the staging section after the whole list: its entry count.
constexpr char kCompleteKey[] = "Complete";

// A key of the list that the copy changed, and what it held before.
struct Overwritten {
    int position;
    StoredValue old;
};

const std::string& ValueAt(const Values& values, int position) {
    static const std::string done = kDoneValue;
    return position <= static_cast<int>(values.size()) ? values[static_cast<std::size_t>(position - 1)] : done;
}

int LastPosition(const Values& values) {
    return static_cast<int>(values.size()) + 1;  // the terminator's
}

void Stage(SettingsStore& store, const std::string& staging, const Values& values) {
    store.DeleteSection(staging);
    for (int position = 1; position <= LastPosition(values); ++position) {
        SaveChoice(store, staging, ChoiceKey(position), ValueAt(values, position));
    }
    SaveChoice(store, staging, kCompleteKey, std::to_string(values.size()));
}

// What the keys of `section` that `values` and its terminator will take hold now.
std::vector<StoredValue> StoredKeys(SettingsStore& store, const std::string& section, const Values& values) {
    std::vector<StoredValue> stored;
    for (int position = 1; position <= LastPosition(values); ++position) {
        stored.push_back(store.Get(section, ChoiceKey(position)));
    }
    return stored;
}

bool Unchanged(const std::vector<StoredValue>& stored, const Values& values) {
    for (int position = 1; position <= LastPosition(values); ++position) {
        if (stored[static_cast<std::size_t>(position - 1)] != StoredValue::Text(ValueAt(values, position))) {
            return false;
        }
    }
    return true;
}

// Writes the entries and then the terminator over the stored list, each key
// only when it changes, noting what it held.
void CopyInto(SettingsStore& store, const std::string& section, const Values& values,
              std::vector<StoredValue> stored, std::vector<Overwritten>& overwritten) {
    for (int position = 1; position <= LastPosition(values); ++position) {
        StoredValue& old = stored[static_cast<std::size_t>(position - 1)];
        const std::string& value = ValueAt(values, position);
        if (old == StoredValue::Text(value)) continue;
        SaveChoice(store, section, ChoiceKey(position), value);
        overwritten.push_back({position, std::move(old)});
    }
}

// Text that reads back as `old` did: an absent key ends the list as the
// terminator does, and a value that is not text (which cannot be written
// back) is passed over as a value without a location is.
std::string Restored(const StoredValue& old) {
    switch (old.kind) {
        case StoredValue::Kind::Text: return old.text;
        case StoredValue::Kind::Absent: return kDoneValue;
        case StoredValue::Kind::Unreadable: break;
    }
    return {};
}

bool RollBack(SettingsStore& store, const std::string& section, const std::vector<Overwritten>& overwritten) {
    try {
        for (auto key = overwritten.rbegin(); key != overwritten.rend(); ++key) {
            SaveChoice(store, section, ChoiceKey(key->position), Restored(key->old));
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// Keys of a list, by position, with the text last written to them.
using Written = std::vector<std::pair<int, std::string>>;

// A staging section that is not marked complete holds no list to lose.
void Discard(SettingsStore& store, const std::string& staging) {
    try {
        store.DeleteSection(staging);
    } catch (const std::exception&) {
    }
}

// True when each key of `section` holds what was last written to it.
bool ReadsBack(SettingsStore& store, const std::string& section, const Written& written) {
    for (const auto& [position, value] : written) {
        if (store.Get(section, ChoiceKey(position)) != StoredValue::Text(value)) return false;
    }
    return true;
}

Written AsWritten(const Values& values) {
    Written written;
    for (int position = 1; position <= LastPosition(values); ++position) {
        written.emplace_back(position, ValueAt(values, position));
    }
    return written;
}

Written AsRestored(const std::vector<Overwritten>& overwritten) {
    Written written;
    for (const Overwritten& key : overwritten) written.emplace_back(key.position, Restored(key.old));
    return written;
}

// The staging section goes once the list reads back whole from its own
// section: until then it may be the only complete copy of the list. A
// refused read or delete leaves it for the next save or start to finish.
void DiscardOnceWhole(SettingsStore& store, const std::string& section,
                      const Written& written) {
    try {
        if (ReadsBack(store, section, written)) store.DeleteSection(StagingSection(section));
    } catch (const std::exception&) {
    }
}

// The entry count that a staging section's marker holds.
std::optional<int> MarkedCount(const StoredValue& marker) {
    if (marker.kind != StoredValue::Kind::Text) return std::nullopt;
    const char* end = marker.text.data() + marker.text.size();
    int count = 0;
    auto [stop, error] = std::from_chars(marker.text.data(), end, count);
    if (error != std::errc() || stop != end || count < 0) return std::nullopt;
    return count;
}

// The list a staging section holds when it is marked complete and whole.
std::optional<Values> StagedList(SettingsStore& store, const std::string& staging) {
    const std::optional<int> count = MarkedCount(store.Get(staging, kCompleteKey));
    if (!count) return std::nullopt;
    Values values;
    for (int position = 1; position <= *count; ++position) {
        StoredValue value = store.Get(staging, ChoiceKey(position));
        if (value.kind != StoredValue::Kind::Text) return std::nullopt;
        values.push_back(std::move(value.text));
    }
    if (store.Get(staging, ChoiceKey(*count + 1)) != StoredValue::Text(kDoneValue)) return std::nullopt;
    return values;
}
}  // namespace

std::string StagingSection(const std::string& section) {
    return section + kStagingSuffix;
}

void FinishInterruptedSave(SettingsStore& store, const std::string& section) {
    const std::string staging = StagingSection(section);
    std::optional<Values> values = StagedList(store, staging);
    if (!values) {
        // Cut short before the copy began, if there is one at all: the list
        // stands as it was, and the section holds nothing to keep. A kill
        // between making the section and writing its first key leaves it
        // without keys.
        if (store.HasSection(staging)) Discard(store, staging);
        return;
    }
    std::vector<Overwritten> overwritten;
    CopyInto(store, section, *values, StoredKeys(store, section, *values), overwritten);
    if (!ReadsBack(store, section, AsWritten(*values))) {
        throw std::runtime_error("the " + section + " list does not read back as it was saved");
    }
    store.DeleteSection(staging);
}

bool CommitList(SettingsStore& store, const std::string& section, const Values& values) {
    const std::string staging = StagingSection(section);
    std::vector<StoredValue> stored;
    try {
        // A save left behind holds the list that the user last confirmed.
        FinishInterruptedSave(store, section);
        stored = StoredKeys(store, section, values);
    } catch (const std::exception&) {
        return false;
    }
    // A list that reads as `values` already is left alone: nothing is written.
    if (Unchanged(stored, values)) return true;
    try {
        Stage(store, staging, values);
    } catch (const std::exception&) {
        // Not marked complete: the copy has not begun, and the list stands.
        Discard(store, staging);
        return false;
    }
    // From here on the staging section is marked: a kill is finished at the next start.
    std::vector<Overwritten> overwritten;
    try {
        CopyInto(store, section, values, std::move(stored), overwritten);
    } catch (const std::exception&) {
        if (RollBack(store, section, overwritten)) DiscardOnceWhole(store, section, AsRestored(overwritten));
        return false;
    }
    DiscardOnceWhole(store, section, AsWritten(values));
    return true;
}

ListFailures FinishInterruptedSaves(SettingsStore& store) {
    auto finish = [&store](const char* section) -> std::optional<std::string> {
        try {
            FinishInterruptedSave(store, section);
            return std::nullopt;
        } catch (const std::exception& error) {
            return error.what();
        }
    };
    ListFailures failures;
    failures.custom = finish(kCustomSection);
    failures.desktop = finish(kDesktopSection);
    return failures;
}

}  // namespace kelvo
