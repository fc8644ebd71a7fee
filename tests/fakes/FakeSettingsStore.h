#pragma once
#include <map>
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
    std::string Get(const std::string& section, const std::string& key,
                    const std::string& fallback) override;
    void Put(const std::string& section, const std::string& key, const std::string& value) override;

    // For test set-up and assertions; neither logs nor counts.
    void Seed(const std::string& section, const std::string& key, const std::string& value);
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;
    // Names as first written, in case-insensitive order.
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(const std::string& section) const;
    int PutCount() const { return puts_; }

    LogTarget logTarget{nullptr, "store"};

private:
    struct StoredValue {
        std::string key;
        std::string text;
    };
    struct Section {
        std::string name;
        std::map<std::string, StoredValue, CaseInsensitiveLess> values;
    };
    void Store(const std::string& section, const std::string& key, const std::string& value);

    std::map<std::string, Section, CaseInsensitiveLess> sections_;
    int puts_ = 0;
};

}  // namespace kelvo
