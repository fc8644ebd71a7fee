#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "platform/SettingsStore.h"

namespace kelvo {

// Where the lists live under HKEY_CURRENT_USER, the same place the earlier
// program's framework kept them.
inline constexpr char kApplicationKey[] = "Software\\VB and VBA Program Settings\\KelvoDesktop";

// The settings store in the registry: one key per section under the
// application key, one value per key name. REG_SZ and REG_EXPAND_SZ values
// are text (the latter read unexpanded); a value of any other type is
// unreadable. Writes are REG_SZ. Only a section or key that does not exist
// reads as absent; any other failure to read throws std::system_error.
class RegistryStore final : public SettingsStore {
public:
    // `applicationKey` is a path under HKEY_CURRENT_USER.
    explicit RegistryStore(std::string applicationKey = kApplicationKey);
    ~RegistryStore() override;
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    StoredValue Get(const std::string& section, const std::string& key) override;
    // Both throw std::system_error when the registry refuses.
    bool HasSection(const std::string& section) override;
    void Put(const std::string& section, const std::string& key, const std::string& value) override;
    void DeleteSection(const std::string& section) override;
    // Another store under the same key, with its own open keys.
    std::unique_ptr<SettingsStore> OpenForOtherThread() override;

private:
    // The section's key, kept open: a list is read and written one value at
    // a time. `create` is for writing; without it, the key may be opened
    // for reading only, and opening fails when the section does not exist.
    LSTATUS SectionKey(const std::string& section, bool create, HKEY& key);
    // Runs `access` on the section's key; a key deleted behind the program's
    // back, and perhaps made again, is opened anew and tried once more.
    LSTATUS OnSection(const std::string& section, bool create, const std::function<LSTATUS(HKEY)>& access);
    void Forget(const std::string& section);
    LSTATUS Read(HKEY section, const std::wstring& name, std::wstring& value) const;
    // False only for a value whose type is known and is not a string.
    bool IsText(HKEY section, const std::wstring& name) const;
    LSTATUS Write(HKEY section, const std::wstring& name, const std::wstring& value) const;

    struct OpenSection {
        HKEY key;
        bool writable;
    };
    std::string applicationKey_;
    std::map<std::string, OpenSection> sections_;
};

}  // namespace kelvo
