#pragma once
#include <optional>
#include <string>
#include <vector>

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
    // Reads a list from the values just stored for it, terminator not
    // included, without going back to the store: as the store would.
    explicit ChoiceReader(const std::vector<std::string>& stored);
    // The next usable entry, or nullopt once the terminator is reached.
    std::optional<ListEntry> Next();
    // Entries read so far, passed-over ones included.
    int Count() const { return count_; }

private:
    std::optional<std::string> ReadNext();

    SettingsStore* store_ = nullptr;
    std::string section_;
    const std::vector<std::string>* stored_ = nullptr;
    int count_ = 0;
    bool done_ = false;
};

}  // namespace kelvo
