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
// missing file is, but counted, and the list goes on after it. A store that
// cannot be read ends the list where it failed: the entries read so far
// stand, and Failure() tells why.
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
    // Why the store could not be read; nullopt while it reads.
    const std::optional<std::string>& Failure() const { return failure_; }

private:
    std::optional<std::string> ReadNext();

    SettingsStore* store_ = nullptr;
    std::string section_;
    const std::vector<std::string>* stored_ = nullptr;
    int count_ = 0;
    bool done_ = false;
    std::optional<std::string> failure_;
};

// Why each list could not be read in full; nullopt for a list read whole.
struct ListFailures {
    std::optional<std::string> custom;
    std::optional<std::string> desktop;
    bool operator==(const ListFailures&) const = default;
};

}  // namespace kelvo
