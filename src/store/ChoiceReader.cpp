#include "store/ChoiceReader.h"

#include <exception>
#include <utility>

#include "store/Choices.h"

namespace kelvo {

ChoiceReader::ChoiceReader(SettingsStore& store, std::string section)
    : store_(&store), section_(std::move(section)) {}

ChoiceReader::ChoiceReader(const std::vector<std::string>& stored) : stored_(&stored) {}

std::optional<std::string> ChoiceReader::ReadNext() {
    if (store_) return ReadChoice(*store_, section_, ChoiceKey(count_ + 1), kDoneValue);
    const auto position = static_cast<std::size_t>(count_);
    return position < stored_->size() ? (*stored_)[position] : std::string(kDoneValue);
}

std::optional<ListEntry> ChoiceReader::Next() {
    while (!done_) {
        std::optional<std::string> value;
        try {
            value = ReadNext();
        } catch (const std::exception& error) {
            failure_ = error.what();
            done_ = true;
            break;
        }
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
