#pragma once
#include <string>

#include "platform/SettingsStore.h"

namespace kelvo {

// Where the lists live under HKEY_CURRENT_USER, the same place the earlier
// program's framework kept them.
inline constexpr char kApplicationKey[] = "Software\\VB and VBA Program Settings\\KelvoDesktop";

// The settings store in the registry: one key per section under the
// application key, one REG_SZ value per key name.
class RegistryStore final : public SettingsStore {
public:
    // `applicationKey` is a path under HKEY_CURRENT_USER.
    explicit RegistryStore(std::string applicationKey = kApplicationKey);

    std::string Get(const std::string& section, const std::string& key,
                    const std::string& fallback) override;
    // Throws std::system_error when the registry refuses the write.
    void Put(const std::string& section, const std::string& key, const std::string& value) override;

private:
    std::wstring SectionPath(const std::string& section) const;

    std::string applicationKey_;
};

}  // namespace kelvo
