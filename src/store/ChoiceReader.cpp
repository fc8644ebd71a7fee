#include "store/ChoiceReader.h"

#include <utility>

#include "store/Choices.h"

namespace kelvo {

ChoiceReader::ChoiceReader(SettingsStore& store, std::string section)
    : store_(store), section_(std::move(section)) {}

std::optional<ListEntry> ChoiceReader::Next() {
    while (!done_) {
        std::optional<std::string> value = ReadChoice(store_, section_, ChoiceKey(count_ + 1), kDoneValue);
        // Only the exact terminator ends the list; " done " is read as an entry.
        if (value == kDoneValue) {
            done_ = true;
            break;
        }
        ++count_;
        if (!value) continue;
        ListEntry entry = ParseChoice(*value);
        // Nothing is ever looked up relative to the current folder.
        if (IsAbsoluteLocation(entry.location)) return entry;
    }
    return std::nullopt;
}

}  // namespace kelvo
