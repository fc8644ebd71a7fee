#include "platform/win32/RegistryStore.h"

#include <windows.h>

#include <system_error>
#include <utility>

#include "platform/win32/Utf8.h"

namespace kelvo {

RegistryStore::RegistryStore(std::string applicationKey) : applicationKey_(std::move(applicationKey)) {}

std::wstring RegistryStore::SectionPath(const std::string& section) const {
    return Widen(applicationKey_ + "\\" + section);
}

std::string RegistryStore::Get(const std::string& section, const std::string& key,
                               const std::string& fallback) {
    const std::wstring path = SectionPath(section);
    const std::wstring name = Widen(key);
    std::wstring value;
    LSTATUS status;
    // The value can grow between the size query and the read; ask again then.
    do {
        DWORD bytes = 0;
        status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                              nullptr, &bytes);
        if (status != ERROR_SUCCESS) return fallback;
        value.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                              value.data(), &bytes);
        if (status == ERROR_SUCCESS) value.resize(bytes / sizeof(wchar_t));
    } while (status == ERROR_MORE_DATA);
    if (status != ERROR_SUCCESS) return fallback;
    // The byte count includes the terminating NUL.
    if (!value.empty() && value.back() == L'\0') value.pop_back();
    return Narrow(value);
}

void RegistryStore::Put(const std::string& section, const std::string& key, const std::string& value) {
    HKEY handle = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr, 0,
                                     KEY_SET_VALUE, nullptr, &handle, nullptr);
    if (status == ERROR_SUCCESS) {
        const std::wstring text = Widen(value);
        status = RegSetValueExW(handle, Widen(key).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(text.c_str()),
                                static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
    }
    if (status != ERROR_SUCCESS) {
        throw std::system_error(static_cast<int>(status), std::system_category(),
                                "cannot write " + section + "\\" + key);
    }
}

}  // namespace kelvo
