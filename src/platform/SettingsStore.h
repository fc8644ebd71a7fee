#pragma once
#include <memory>
#include <string>
#include <utility>

namespace kelvo {

// What one key of the store holds. Another program may have left a value
// that is not text there: it is told apart from a key that does not exist.
struct StoredValue {
    enum class Kind { Absent, Text, Unreadable };
    Kind kind = Kind::Absent;
    std::string text;  // the value, when it is text

    static StoredValue Absent() { return {}; }
    static StoredValue Text(std::string text) { return {Kind::Text, std::move(text)}; }
    static StoredValue Unreadable() { return {Kind::Unreadable, {}}; }
    bool operator==(const StoredValue&) const = default;
};

// The per-user settings store of one application: sections of text values.
// Section and key names match without regard to case. A write that the
// store refuses throws, and leaves the key as it was.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Absent when the key or its section does not exist; throws when the
    // store cannot be read for any other reason, which is never taken for
    // an absent key.
    virtual StoredValue Get(const std::string& section, const std::string& key) = 0;
    // True when the section exists, even without keys; throws as Get does.
    virtual bool HasSection(const std::string& section) = 0;
    // Creates the section and key when needed.
    virtual void Put(const std::string& section, const std::string& key, const std::string& value) = 0;
    // Removes the section with all its keys; nothing happens when it does
    // not exist.
    virtual void DeleteSection(const std::string& section) = 0;
    // A store of its own over the same data, to be used on another thread
    // while this one is used here; nullptr where the store offers none.
    virtual std::unique_ptr<SettingsStore> OpenForOtherThread() { return nullptr; }
};

}  // namespace kelvo
