#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "FixtureFiles.h"
#include "ScratchSignIn.h"
#include "app/Application.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32Parts.h"
#include "platform/win32/Win32Events.h"
#include "platform/win32/Win32Folders.h"
#include "settings/OptionsTab.h"
#include "store/StoredOptions.h"

namespace kelvo {
namespace {

std::wstring ThisProgram() {
    std::array<wchar_t, MAX_PATH * 4> path{};
    GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return path.data();
}

// A value as another program sees it in the registry: type and bytes.
struct RawValue {
    DWORD type = 0;
    std::vector<BYTE> bytes;
};

std::optional<RawValue> ReadRaw(const std::wstring& key, const wchar_t* name) {
    HKEY handle;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return std::nullopt;
    RawValue value;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(handle, name, nullptr, &value.type, nullptr, &size);
    value.bytes.resize(size);
    if (status == ERROR_SUCCESS) status = RegQueryValueExW(handle, name, nullptr, &value.type, value.bytes.data(), &size);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS) return std::nullopt;
    return value;
}

void WriteMarker(const std::wstring& key, BYTE first) {
    HKEY handle;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    std::array<BYTE, 12> marker{first, 0, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x01};
    RegSetValueExW(handle, kSignInValueName, 0, REG_BINARY, marker.data(), static_cast<DWORD>(marker.size()));
    RegCloseKey(handle);
}

class SignInStartTest : public ::testing::Test {
protected:
    ScratchSignIn signIn;
    Win32SignInStart& start = signIn.Start();
};

// The entry names this program in whatever form the system or the user
// kept it: quoted or not, with arguments, after blanks or a tab, in any case
// of any letter, or by another path to the same file.
TEST(SignInProgramTest, TheEntryIsComparedAsTheSystemComparesPaths) {
    const Win32SignInStart elsewhere(L"Software\\KelvoTopTest-Unused", L"C:\\Program Files\\\u00D6laf\\KelvoTop.exe");
    const struct {
        const char* command;
        bool names;
    } cases[] = {
        {"\"C:\\Program Files\\\xC3\x96laf\\KelvoTop.exe\"", true},
        {"\"c:\\program files\\\xC3\xB6laf\\KELVOTOP.EXE\"", true},
        {"\"C:\\Program Files\\\xC3\x96laf\\KelvoTop.exe\" /tray", true},
        {"\t \"C:\\Program Files\\\xC3\x96laf\\KelvoTop.exe\"", true},
        {"C:\\Tools\\KelvoTop.exe", false},
        {"\"C:\\Program Files\\\xC3\x96laf\\KelvoTop.exe.bak\"", false},
        {"C:\\Program", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(elsewhere.NamesThisProgram(c.command), c.names) << c.command;

    const Win32SignInStart running;
    const std::wstring self = ThisProgram();
    const std::wstring folder = self.substr(0, self.rfind(L'\\'));
    const std::wstring roundabout = folder + L"\\.\\" + self.substr(folder.size() + 1);
    EXPECT_TRUE(running.NamesThisProgram(Narrow(L"\"" + roundabout + L"\""))) << "the same file by another path";
}

TEST_F(SignInStartTest, TheQuotedPathOfTheRunningProgramIsWrittenReadBackAndRemoved) {
    EXPECT_EQ(start.ProgramPath(), Narrow(ThisProgram()));
    EXPECT_EQ(start.Command(), std::nullopt);
    EXPECT_NO_THROW(start.Remove()) << "nothing to remove";

    start.Put(SignInCommand(start.ProgramPath()));
    const std::optional<RawValue> written = ReadRaw(start.RunKey(), kSignInValueName);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(written->bytes.data())), L"\"" + ThisProgram() + L"\"");
    EXPECT_TRUE(StartsAtSignIn(start));

    start.Remove();
    EXPECT_EQ(ReadRaw(start.RunKey(), kSignInValueName), std::nullopt);
    EXPECT_FALSE(StartsAtSignIn(start));
}

TEST_F(SignInStartTest, TheSystemsSwitchIsHonouredAndTurnedBackOnByAnotherPut) {
    start.Put(SignInCommand(start.ProgramPath()));
    const struct {
        BYTE first;
        bool off;
    } markers[] = {{0x02, false}, {0x03, true}, {0x06, false}, {0x07, true}};
    for (const auto& [first, off] : markers) {
        WriteMarker(start.ApprovedKey(), first);
        EXPECT_EQ(start.SwitchedOff(), off) << int(first);
        EXPECT_EQ(StartsAtSignIn(start), !off) << int(first);
    }
    start.Put(SignInCommand(start.ProgramPath()));
    EXPECT_FALSE(start.SwitchedOff());
    const std::optional<RawValue> marker = ReadRaw(start.ApprovedKey(), kSignInValueName);
    ASSERT_TRUE(marker);
    EXPECT_EQ(marker->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(marker->bytes, std::vector<BYTE>({2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(SignInStartTest, AnEntryOfAnotherProgramOrNotTextIsNotThisOne) {
    HKEY run;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, start.RunKey().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &run,
                              nullptr),
              ERROR_SUCCESS);
    const std::wstring other = L"C:\\Other\\KelvoTop.exe";
    RegSetValueExW(run, kSignInValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(other.c_str()),
                   static_cast<DWORD>((other.size() + 1) * sizeof(wchar_t)));
    EXPECT_EQ(start.Command(), Narrow(other));
    EXPECT_FALSE(StartsAtSignIn(start));
    const DWORD number = 1;
    RegSetValueExW(run, kSignInValueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(run);
    EXPECT_EQ(start.Command(), std::nullopt);
}

constexpr HotKey kTestKey{HotKey::kCtrl | HotKey::kAlt, 0x7A};  // Ctrl+Alt+F11

// A window of its own, as another program would hold a key with.
struct OtherWindow {
    OtherWindow()
        : handle(CreateWindowExW(0, L"STATIC", L"other", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr)) {}
    ~OtherWindow() {
        UnregisterHotKey(handle, 7);
        DestroyWindow(handle);
    }
    HWND handle;
};

TEST(MenuKeyTest, RegisteredKeyIsHeldUntilReleasedAndATakenKeyIsRefused) {
    OtherWindow owner;
    OtherWindow other;
    {
        Win32MenuKey key(owner.handle);
        ASSERT_TRUE(key.Register(kTestKey));
        EXPECT_FALSE(RegisterHotKey(other.handle, 7, MOD_CONTROL | MOD_ALT, VK_F11)) << "the program holds it";
        key.Release();
        ASSERT_TRUE(RegisterHotKey(other.handle, 7, MOD_CONTROL | MOD_ALT, VK_F11));
        EXPECT_FALSE(key.Register(kTestKey)) << "another holds it now";
        UnregisterHotKey(other.handle, 7);
        EXPECT_TRUE(key.Register(kTestKey));
    }
    EXPECT_TRUE(RegisterHotKey(other.handle, 7, MOD_CONTROL | MOD_ALT, VK_F11)) << "released with the program";
}

TEST(HotKeyFieldTest, KeysGoInAndOutOfTheSystemsControlUnchanged) {
    OtherWindow parent;
    HWND field = CreateWindowExW(0, HOTKEY_CLASSW, L"", WS_CHILD, 0, 0, 100, 20, parent.handle, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(field, nullptr);
    Win32HotKeyField hotKey(field);
    EXPECT_EQ(hotKey.Key(), std::nullopt);
    for (const HotKey& key : {kTestKey, HotKey{HotKey::kShift | HotKey::kCtrl, 'K'}, HotKey{HotKey::kAlt, '7'}}) {
        hotKey.SetKey(key);
        EXPECT_EQ(hotKey.Key(), key) << HotKeyText(key);
    }
    hotKey.SetKey(std::nullopt);
    EXPECT_EQ(hotKey.Key(), std::nullopt);
}

// The program's real parts, started with a stored key.
class MenuKeyPopupTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.Store().Put(kOptionsSection, kMenuKeyName, HotKeyText(kTestKey));
        ConnectEvents(parts, app);
        app.StartUp();
    }

    // The row of the shown popup that is selected, by position; -1 for none.
    static int SelectedRow(HMENU menu) {
        for (int row = 0; row < GetMenuItemCount(menu); ++row)
            if (GetMenuState(menu, static_cast<UINT>(row), MF_BYPOSITION) & MF_HILITE) return row;
        return -1;
    }

    // While the popup shows: notes its selected row and how many menu
    // windows show, and dismisses it.
    static void CALLBACK LookAtPopup(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        HMENU menu = current->parts.tray.popup.Menu();
        seen = menu ? SelectedRow(menu) : -2;
        menuWindows = 0;
        EnumThreadWindows(GetCurrentThreadId(), CountMenuWindow, 0);
        PostMessageW(current->parts.tray.window.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    }
    static BOOL CALLBACK CountMenuWindow(HWND window, LPARAM) {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (lstrcmpW(name, L"#32768") == 0 && IsWindowVisible(window)) ++menuWindows;
        return TRUE;
    }
    // While the popup shows: the key again, then a look once it is handled.
    static void CALLBACK PressAgain(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        PostKey();
        SetTimer(nullptr, 0, 50, LookAtPopup);
    }
    static void PostKey() {
        PostMessageW(current->parts.tray.window.Handle(), WM_HOTKEY, 1, MAKELPARAM(MOD_CONTROL | MOD_ALT, VK_F11));
    }

    // Delivers the key as the system does (a display under test may not
    // pass the real key on), and returns the popup's selected row while it
    // showed; -2 when no popup showed.
    int PressMenuKey(TIMERPROC whileShown = LookAtPopup) {
        current = this;
        seen = -2;
        SetTimer(nullptr, 0, 50, whileShown);
        PostKey();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        return seen;
    }

    static inline MenuKeyPopupTest* current = nullptr;
    static inline int seen = -2;
    static inline int menuWindows = 0;
    ScratchStore store{"MenuKey"};
    Win32Folders folders{TempFolder()};
    ScratchSignIn signIn;
    Win32Parts parts{GetModuleHandleW(nullptr), store.Store(), folders, signIn.Start()};
    Application app{parts.tray.parts, parts.sources.parts, parts.settings};
};

TEST_F(MenuKeyPopupTest, TheStoredKeyIsTheProgramsAndShowsThePopupWithItsFirstEntrySelected) {
    OtherWindow other;
    EXPECT_FALSE(RegisterHotKey(other.handle, 7, MOD_CONTROL | MOD_ALT, VK_F11)) << "registered at start-up";
    // Row 0 is the custom list's separator; the first entry is the next one
    // that can be chosen.
    const int selected = PressMenuKey();
    ASSERT_GE(selected, 0) << "no popup, or nothing selected";
    HMENU menu = parts.tray.popup.Menu();
    for (int row = 0; row < selected; ++row)
        EXPECT_TRUE(GetMenuState(menu, static_cast<UINT>(row), MF_BYPOSITION) & MF_SEPARATOR) << row;
    app.OnMenuCommand(0);
}

// The key pressed again while the popup shows arrives inside the popup's own
// menu loop; it must leave that popup as it is.
TEST_F(MenuKeyPopupTest, TheKeyPressedAgainWhileThePopupShowsLeavesIt) {
    const int selected = PressMenuKey(PressAgain);
    EXPECT_GE(selected, 0) << "the popup was closed or replaced";
    EXPECT_EQ(menuWindows, 1);
    EXPECT_EQ(PressMenuKey(), selected) << "the popup shows again afterwards";
}

}  // namespace
}  // namespace kelvo
