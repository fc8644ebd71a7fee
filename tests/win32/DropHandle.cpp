#include "DropHandle.h"

#include <shlobj.h>

#include <cstring>

#include "platform/win32/Utf8.h"

namespace kelvo {

HDROP MakeDropHandle(const std::vector<std::string>& paths) {
    std::wstring list;
    for (const std::string& path : paths) list += Widen(path) + L'\0';
    list += L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

}  // namespace kelvo
