#pragma once
#include <optional>
#include <string>

#include "platform/SettingsStore.h"
#include "store/ListEntry.h"

namespace kelvo {

// Reads one stored list entry by entry, so a reader can stop early without
// touching the keys after it. A value that is not text, or whose location
// is not absolute, names no file that can be found: it is passed over, as a
// missing file is, but counted, and the list goes on after it.
class ChoiceReader {
public:
    ChoiceReader(SettingsStore& store, std::string section);
    // The next usable entry, or nullopt once the terminator is reached.
    std::optional<ListEntry> Next();
    // Entries read so far, passed-over ones included.
    int Count() const { return count_; }

private:
    SettingsStore& store_;
    std::string section_;
    int count_ = 0;
    bool done_ = false;
};

}  // namespace kelvo
