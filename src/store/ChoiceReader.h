#pragma once
#include <optional>
#include <string>

#include "platform/SettingsStore.h"
#include "store/ListEntry.h"

namespace kelvo {

// Reads one stored list entry by entry, so a reader can stop early without
// touching the keys after it.
class ChoiceReader {
public:
    ChoiceReader(SettingsStore& store, std::string section);
    // The next entry, or nullopt once the terminator is reached.
    std::optional<ListEntry> Next();
    // Entries read so far.
    int Count() const { return count_; }

private:
    SettingsStore& store_;
    std::string section_;
    int count_ = 0;
    bool done_ = false;
};

}  // namespace kelvo
