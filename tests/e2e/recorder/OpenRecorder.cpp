// Stands in for a document's default program during the end-to-end tests:
// records the path it was asked to open, so a test can see what the shell
// was told to open.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 1;
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\KelvoE2E\\Opened", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return 1;
    }
    DWORD count = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr,
                     nullptr, nullptr);
    const std::wstring name = std::to_wstring(count + 1);
    const std::wstring path = argv[1];
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                   static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return 0;
}
