#include "platform/win32/ExplorerSettings.h"

#include <windows.h>

#include <optional>

#include "platform/win32/Utf8.h"

namespace kelvo {
namespace {

// Explorer's values: "Hidden" is 1 to show hidden items, 2 not to.
constexpr DWORD kShowHiddenItems = 1;


// The registered file types: the user's own before the machine's, value by
// value, as HKEY_CLASSES_ROOT merges them on Windows (Wine's does not).
const HKEY kClassRoots[] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};

std::wstring ClassesKey(const std::wstring& name) {
    return L"Software\\Classes\\" + name;
}

bool ClassExists(const std::wstring& name) {
    for (HKEY root : kClassRoots) {
        HKEY key;
        if (RegOpenKeyExW(root, ClassesKey(name).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) continue;
        RegCloseKey(key);
        return true;
    }
    return false;
}

bool ClassHas(const std::wstring& name, const wchar_t* value) {
    for (HKEY root : kClassRoots) {
        if (RegGetValueW(root, ClassesKey(name).c_str(), value, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS)
            return true;
    }
    return false;
}

// The type an extension's key names; empty when it names none.
std::wstring TypeNamed(const std::wstring& extension) {
    for (HKEY root : kClassRoots) {
        // A type's name has at most 39 characters.
        wchar_t type[256] = {};
        DWORD bytes = sizeof type;
        if (RegGetValueW(root, ClassesKey(extension).c_str(), nullptr, RRF_RT_REG_SZ, nullptr, type, &bytes) ==
                ERROR_SUCCESS &&
            type[0] != L'\0')
            return type;
    }
    return {};
}

}  // namespace

std::optional<DWORD> ExplorerChoice(const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kExplorerAdvancedKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

ExplorerView ReadExplorerView() {
    return ExplorerView{
        ExplorerChoice(L"Hidden") == kShowHiddenItems,
        ExplorerChoice(L"ShowSuperHidden").value_or(0) != 0,
        ExplorerChoice(L"HideFileExt") == DWORD{0},
    };
}

TypeExtension ReadTypeExtension(const std::string& extension) {
    const std::wstring type = TypeNamed(Widen(extension));
    if (type.empty() || !ClassExists(type)) return TypeExtension::Unknown;
    if (ClassHas(type, L"NeverShowExt")) return TypeExtension::NeverShown;
    if (ClassHas(type, L"AlwaysShowExt")) return TypeExtension::AlwaysShown;
    return TypeExtension::Known;
}

}  // namespace kelvo
