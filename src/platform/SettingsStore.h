#pragma once
#include <string>

namespace kelvo {

// The per-user settings store of one application: sections of text values.
// Section and key names match without regard to case.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored value, or `fallback` when the key is absent.
    virtual std::string Get(const std::string& section, const std::string& key,
                            const std::string& fallback) = 0;
    // Creates the section and key when needed.
    virtual void Put(const std::string& section, const std::string& key,
                     const std::string& value) = 0;
};

}  // namespace kelvo
