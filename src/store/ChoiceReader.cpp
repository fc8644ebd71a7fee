#include "store/ChoiceReader.h"

#include <utility>

#include "store/Choices.h"

namespace kelvo {

ChoiceReader::ChoiceReader(SettingsStore& store, std::string section)
    : store_(store), section_(std::move(section)) {}

std::optional<ListEntry> ChoiceReader::Next() {
    if (done_) return std::nullopt;
    std::string value = ReadChoice(store_, section_, ChoiceKey(count_ + 1), kDoneValue);
    // Only the exact terminator ends the list; " done " is read as an entry.
    if (value == kDoneValue) {
        done_ = true;
        return std::nullopt;
    }
    ++count_;
    return ParseChoice(value);
}

}  // namespace kelvo
