#pragma once
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "platform/SettingsStore.h"

namespace kelvo {

// Orders names without regard to ASCII case, as the registry matches them.
struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

// The store in memory. Names keep the case they were first written with.
class FakeSettingsStore : public SettingsStore {
public:
    StoredValue Get(const std::string& section, const std::string& key) override;
    bool HasSection(const std::string& section) override;
    void Put(const std::string& section, const std::string& key, const std::string& value) override;
    void DeleteSection(const std::string& section) override;
    // With `offersOtherThread`, a store that passes every call on to this
    // one; calls from both threads take turns.
    std::unique_ptr<SettingsStore> OpenForOtherThread() override;

    // For test set-up and assertions; neither logs nor counts.
    void Seed(const std::string& section, const std::string& key, const std::string& value);
    // A section without keys, as a write cut short between making the
    // section and its first key leaves it.
    void SeedSection(const std::string& section);
    // A value that is not text, as another program may leave.
    void SeedUnreadable(const std::string& section, const std::string& key);
    // The text of a key; nullopt when it is absent or not text.
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;
    // Names as first written, in case-insensitive order.
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(const std::string& section) const;
    // Writes (puts and section deletions) asked for so far, refused ones included.
    int WriteCount() const { return writes_; }

    // Refuses write number n (counted from 1, as WriteCount) when it gives
    // true: the write throws and changes nothing.
    std::function<bool(int n)> refuses;
    // A store that cannot be read: every Get of a key for which this gives
    // true throws, and HasSection when it gives true for an empty key.
    std::function<bool(const std::string& section, const std::string& key)> failsReads;
    LogTarget logTarget{nullptr, "store"};
    bool offersOtherThread = false;
    // Times a store for another thread was asked for, offered or not.
    int otherThreadOpenings = 0;

private:
    struct Entry {
        std::string key;
        StoredValue value;
    };
    struct Section {
        std::string name;
        std::map<std::string, Entry, CaseInsensitiveLess> values;
    };
    void Store(const std::string& section, const std::string& key, StoredValue value);
    void CountWrite();

    // Shared by copies, which tests take as snapshots.
    std::shared_ptr<std::mutex> turns_ = std::make_shared<std::mutex>();
    std::map<std::string, Section, CaseInsensitiveLess> sections_;
    int writes_ = 0;
};

}  // namespace kelvo
