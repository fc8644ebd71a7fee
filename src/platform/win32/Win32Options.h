#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "platform/Options.h"

namespace kelvo {

class Win32CheckBox final : public CheckBox {
public:
    explicit Win32CheckBox(HWND box) : box_(box) {}
    bool IsChecked() const override;
    void SetChecked(bool checked) override;

private:
    HWND box_;
};

// The system's hot-key control. Keys without Ctrl or Alt, which would take
// a key from every program, become Ctrl+Alt with that key as the user types.
class Win32HotKeyField final : public HotKeyField {
public:
    explicit Win32HotKeyField(HWND field);
    std::optional<HotKey> Key() const override;
    void SetKey(const std::optional<HotKey>& key) override;

private:
    HWND field_;
};

// The key registered for `owner`, which gets WM_HOTKEY when it is pressed.
class Win32MenuKey final : public MenuKey {
public:
    explicit Win32MenuKey(HWND owner) : owner_(owner) {}
    ~Win32MenuKey() override;
    Win32MenuKey(const Win32MenuKey&) = delete;
    Win32MenuKey& operator=(const Win32MenuKey&) = delete;

    bool Register(const HotKey& key) override;
    void Release() override;

private:
    HWND owner_;
    bool registered_ = false;
};

// Where the user's start-up entries live under HKEY_CURRENT_USER.
inline constexpr wchar_t kCurrentVersionKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion";
inline constexpr wchar_t kSignInValueName[] = L"KelvoTop";

// The value `KelvoTop` of the user's Run key, and its marker under
// Explorer\StartupApproved\Run, where the system's start-up settings keep
// the user's switch: a first byte with its lowest bit set means off.
class Win32SignInStart final : public SignInStart {
public:
    // `currentVersionKey` is a path under HKEY_CURRENT_USER; the program is
    // the running one unless `programPath` names another.
    explicit Win32SignInStart(std::wstring currentVersionKey = kCurrentVersionKey, std::wstring programPath = {});
    std::string ProgramPath() const override;
    // The command line's program as the system splits it, compared with
    // this program's path without regard to case, or by file identity where
    // both name a file that exists.
    bool NamesThisProgram(const std::string& command) const override;
    std::optional<std::string> Command() override;
    bool SwitchedOff() override;
    // Both throw std::system_error when the registry refuses.
    void Put(const std::string& command) override;
    void Remove() override;

    std::wstring RunKey() const { return base_ + L"\\Run"; }
    std::wstring ApprovedKey() const { return base_ + L"\\Explorer\\StartupApproved\\Run"; }

private:
    std::wstring base_;
    std::wstring programPath_;
};

// The virtual-key code and modifier flags of `key` as RegisterHotKey takes
// them, and a key as the hot-key control reports it.
UINT HotKeyModifiers(const HotKey& key);
std::optional<HotKey> FromHotKeyControl(WORD value);

}  // namespace kelvo
