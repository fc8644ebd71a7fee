#include "platform/win32/RegistryStore.h"

#include <functional>
#include <utility>

#include "platform/win32/SystemError.h"
#include "platform/win32/Utf8.h"

namespace kelvo {

RegistryStore::RegistryStore(std::string applicationKey) : applicationKey_(std::move(applicationKey)) {}

RegistryStore::~RegistryStore() {
    for (auto& [name, open] : sections_) RegCloseKey(open.key);
}

LSTATUS RegistryStore::SectionKey(const std::string& section, bool create, HKEY& key) {
    if (auto open = sections_.find(section); open != sections_.end()) {
        if (open->second.writable || !create) {
            key = open->second.key;
            return ERROR_SUCCESS;
        }
        Forget(section);  // read-only so far: a write asks again
    }
    const std::wstring path = Widen(applicationKey_ + "\\" + section);
    const REGSAM access = KEY_QUERY_VALUE | KEY_SET_VALUE;
    LSTATUS status =
        create ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, access, nullptr, &key, nullptr)
               : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, &key);
    bool writable = true;
    // A section locked against writing (by a policy, say) still reads.
    if (status == ERROR_ACCESS_DENIED && !create) {
        status = RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key);
        writable = false;
    }
    if (status == ERROR_SUCCESS) sections_.emplace(section, OpenSection{key, writable});
    return status;
}

LSTATUS RegistryStore::OnSection(const std::string& section, bool create,
                                 const std::function<LSTATUS(HKEY)>& access) {
    for (int attempt = 1;; ++attempt) {
        HKEY key = nullptr;
        LSTATUS status = SectionKey(section, create, key);
        if (status == ERROR_SUCCESS) status = access(key);
        if (status != ERROR_KEY_DELETED || attempt == 2) return status;
        Forget(section);
    }
}

// A key deleted behind the program's back is opened anew next time.
void RegistryStore::Forget(const std::string& section) {
    if (auto open = sections_.find(section); open != sections_.end()) {
        RegCloseKey(open->second.key);
        sections_.erase(open);
    }
}

LSTATUS RegistryStore::Read(HKEY section, const std::wstring& name, std::wstring& value) const {
    // Most values fit the first buffer; a longer one says how long it is.
    value.assign(256, L'\0');
    LSTATUS status;
    do {
        DWORD bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        status = RegGetValueW(section, nullptr, name.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                              nullptr, value.data(), &bytes);
        value.resize(status == ERROR_MORE_DATA ? bytes / sizeof(wchar_t) + 1 : bytes / sizeof(wchar_t));
    } while (status == ERROR_MORE_DATA);
    // The byte count includes the terminating NUL.
    if (status == ERROR_SUCCESS && !value.empty() && value.back() == L'\0') value.pop_back();
    return status;
}

LSTATUS RegistryStore::Write(HKEY section, const std::wstring& name, const std::wstring& value) const {
    return RegSetValueExW(section, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

StoredValue RegistryStore::Get(const std::string& section, const std::string& key) {
    const std::wstring name = Widen(key);
    StoredValue result;
    const LSTATUS status = OnSection(section, false, [&](HKEY handle) {
        std::wstring value;
        LSTATUS read = Read(handle, name, value);
        if (read == ERROR_SUCCESS) {
            result = StoredValue::Text(Narrow(value));
        } else if (read != ERROR_FILE_NOT_FOUND && !IsText(handle, name)) {
            // A value that is there but is no text (a number, binary data...).
            result = StoredValue::Unreadable();
            read = ERROR_SUCCESS;
        }
        return read;
    });
    // Only a section or key that is not there is absent: any other failure
    // (a key locked against reading, one deleted twice meanwhile) is an error.
    if (status != ERROR_FILE_NOT_FOUND) ThrowUnlessDone(status, "cannot read " + section + "\\" + key);
    return result;
}

bool RegistryStore::IsText(HKEY section, const std::wstring& name) const {
    DWORD type = REG_NONE;
    const LSTATUS status = RegQueryValueExW(section, name.c_str(), nullptr, &type, nullptr, nullptr);
    // A value whose type cannot be asked counts as text: its read failure stands.
    return status != ERROR_SUCCESS || type == REG_SZ || type == REG_EXPAND_SZ;
}

bool RegistryStore::HasSection(const std::string& section) {
    // A key kept open may have been deleted since: asking it about itself tells.
    const LSTATUS status = OnSection(section, false, [](HKEY key) {
        return RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr, nullptr);
    });
    if (status == ERROR_FILE_NOT_FOUND) return false;
    ThrowUnlessDone(status, "cannot read " + section);
    return true;
}

void RegistryStore::Put(const std::string& section, const std::string& key, const std::string& value) {
    const std::wstring name = Widen(key);
    const std::wstring text = Widen(value);
    const LSTATUS status = OnSection(section, true, [&](HKEY handle) { return Write(handle, name, text); });
    ThrowUnlessDone(status, "cannot write " + section + "\\" + key);
}

std::unique_ptr<SettingsStore> RegistryStore::OpenForOtherThread() {
    return std::make_unique<RegistryStore>(applicationKey_);
}

void RegistryStore::DeleteSection(const std::string& section) {
    Forget(section);
    const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, Widen(applicationKey_ + "\\" + section).c_str());
    ThrowUnlessDone(status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status, "cannot delete " + section);
}

}  // namespace kelvo
