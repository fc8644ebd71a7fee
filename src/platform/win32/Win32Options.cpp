#include "platform/win32/Win32Options.h"

#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <optional>
#include <vector>

#include "platform/win32/ProgramFile.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/Utf8.h"

namespace kelvo {
namespace {

constexpr int kMenuKeyId = 1;
constexpr BYTE kSwitchedOffBit = 0x01;
// What the system's start-up settings write for an entry switched on.
constexpr std::array<BYTE, 12> kSwitchedOnMarker{0x02};

bool Absent(LSTATUS status) {
    return status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND;
}

// The raw bytes of a value; nullopt when it or its key does not exist.
std::optional<std::vector<BYTE>> ReadValue(const std::wstring& keyPath, DWORD& type) {
    HKEY key;
    LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key);
    if (Absent(status)) return std::nullopt;
    ThrowUnlessDone(status, "cannot open the start-up entries");
    DWORD bytes = 0;
    status = RegQueryValueExW(key, kSignInValueName, nullptr, &type, nullptr, &bytes);
    std::vector<BYTE> data(bytes + sizeof(wchar_t));
    if (status == ERROR_SUCCESS) status = RegQueryValueExW(key, kSignInValueName, nullptr, &type, data.data(), &bytes);
    RegCloseKey(key);
    if (Absent(status)) return std::nullopt;
    ThrowUnlessDone(status, "cannot read the start-up entry");
    data.resize(bytes);
    return data;
}

void WriteValue(const std::wstring& keyPath, DWORD type, const BYTE* data, DWORD bytes) {
    HKEY key;
    ThrowUnlessDone(RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
          "cannot open the start-up entries");
    const LSTATUS status = RegSetValueExW(key, kSignInValueName, 0, type, data, bytes);
    RegCloseKey(key);
    ThrowUnlessDone(status, "cannot write the start-up entry");
}

// The program of a command line, as the system splits one; empty when none.
std::wstring CommandProgram(const std::wstring& command) {
    const std::size_t start = command.find_first_not_of(L" \t");
    if (start == std::wstring::npos) return {};
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(command.c_str() + start, &count);
    if (arguments == nullptr) return {};
    std::wstring program = count > 0 ? arguments[0] : L"";
    LocalFree(arguments);
    return program;
}

// What tells one file from another whatever path names it.
struct FileIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentityOf(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(file, &info) != FALSE;
    CloseHandle(file);
    if (!known) return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

}  // namespace

bool Win32CheckBox::IsChecked() const {
    return SendMessageW(box_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32CheckBox::SetChecked(bool checked) {
    SendMessageW(box_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

Win32HotKeyField::Win32HotKeyField(HWND field) : field_(field) {
    SendMessageW(field_, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
}

std::optional<HotKey> FromHotKeyControl(WORD value) {
    const unsigned key = LOBYTE(value);
    if (key == 0) return std::nullopt;
    const BYTE flags = HIBYTE(value);
    HotKey hotKey{0, key};
    if (flags & HOTKEYF_SHIFT) hotKey.modifiers |= HotKey::kShift;
    if (flags & HOTKEYF_CONTROL) hotKey.modifiers |= HotKey::kCtrl;
    if (flags & HOTKEYF_ALT) hotKey.modifiers |= HotKey::kAlt;
    return hotKey;
}

std::optional<HotKey> Win32HotKeyField::Key() const {
    return FromHotKeyControl(LOWORD(SendMessageW(field_, HKM_GETHOTKEY, 0, 0)));
}

void Win32HotKeyField::SetKey(const std::optional<HotKey>& key) {
    WORD value = 0;
    if (key) {
        BYTE flags = 0;
        if (key->modifiers & HotKey::kShift) flags |= HOTKEYF_SHIFT;
        if (key->modifiers & HotKey::kCtrl) flags |= HOTKEYF_CONTROL;
        if (key->modifiers & HotKey::kAlt) flags |= HOTKEYF_ALT;
        value = MAKEWORD(static_cast<BYTE>(key->key), flags);
    }
    SendMessageW(field_, HKM_SETHOTKEY, value, 0);
}

UINT HotKeyModifiers(const HotKey& key) {
    UINT modifiers = 0;
    if (key.modifiers & HotKey::kShift) modifiers |= MOD_SHIFT;
    if (key.modifiers & HotKey::kCtrl) modifiers |= MOD_CONTROL;
    if (key.modifiers & HotKey::kAlt) modifiers |= MOD_ALT;
    return modifiers;
}

Win32MenuKey::~Win32MenuKey() {
    Release();
}

bool Win32MenuKey::Register(const HotKey& key) {
    Release();
    registered_ = RegisterHotKey(owner_, kMenuKeyId, HotKeyModifiers(key), key.key) != FALSE;
    return registered_;
}

void Win32MenuKey::Release() {
    if (registered_) UnregisterHotKey(owner_, kMenuKeyId);
    registered_ = false;
}

Win32SignInStart::Win32SignInStart(std::wstring currentVersionKey, std::wstring programPath)
    : base_(std::move(currentVersionKey)), programPath_(std::move(programPath)) {}

std::string Win32SignInStart::ProgramPath() const {
    return Narrow(programPath_.empty() ? ThisProgram() : programPath_);
}

bool Win32SignInStart::NamesThisProgram(const std::string& command) const {
    const std::wstring program = CommandProgram(Widen(command));
    const std::wstring self = Widen(ProgramPath());
    if (program.empty()) return false;
    if (CompareStringOrdinal(program.c_str(), -1, self.c_str(), -1, TRUE) == CSTR_EQUAL) return true;
    const std::optional<FileIdentity> named = IdentityOf(program);
    return named && named == IdentityOf(self);
}

std::optional<std::string> Win32SignInStart::Command() {
    DWORD type = 0;
    const std::optional<std::vector<BYTE>> data = ReadValue(RunKey(), type);
    if (!data || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    std::wstring text(reinterpret_cast<const wchar_t*>(data->data()), data->size() / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return Narrow(text);
}

bool Win32SignInStart::SwitchedOff() {
    DWORD type = 0;
    const std::optional<std::vector<BYTE>> marker = ReadValue(ApprovedKey(), type);
    return marker && !marker->empty() && ((*marker)[0] & kSwitchedOffBit);
}

void Win32SignInStart::Put(const std::string& command) {
    const std::wstring text = Widen(command);
    WriteValue(RunKey(), REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
               static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    if (SwitchedOff())
        WriteValue(ApprovedKey(), REG_BINARY, kSwitchedOnMarker.data(), static_cast<DWORD>(kSwitchedOnMarker.size()));
}

void Win32SignInStart::Remove() {
    HKEY key;
    LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, RunKey().c_str(), 0, KEY_SET_VALUE, &key);
    if (Absent(status)) return;
    ThrowUnlessDone(status, "cannot open the start-up entries");
    status = RegDeleteValueW(key, kSignInValueName);
    RegCloseKey(key);
    if (!Absent(status)) ThrowUnlessDone(status, "cannot remove the start-up entry");
}

}  // namespace kelvo
