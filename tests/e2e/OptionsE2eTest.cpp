#include "E2eSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kelvo::e2e {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::optional<std::wstring> RunValue() {
    wchar_t text[1024] = {};
    DWORD bytes = sizeof text;
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"KelvoTop", RRF_RT_REG_SZ, nullptr, text, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(text);
}

void RemoveRunValue() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, L"KelvoTop");
    RegCloseKey(key);
}

// The program started with a list, its settings window open on the Options tab.
class OptionsE2eTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearStore();
        RemoveRunValue();
        folder.AddFile(L"A.txt");
        StoreList(L"Custom", {folder.ChoiceFor(L"A.txt")});
        kelvo.emplace();
        tray = kelvo->WaitUntilResident();
        ASSERT_NE(tray, nullptr);
    }
    void TearDown() override { RemoveRunValue(); }

    void OpenOptions() {
        settings = ChooseProperties(tray, kelvo->Id());
        ASSERT_NE(settings, nullptr);
        ClickTab(ChildrenOfClass(settings, WC_TABCONTROLW).at(0), 3);
        box = ChildWithText(settings, L"Start KelvoTop when I sign in");
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(box) != FALSE; }));
    }
    bool Checked() const { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Toggle() {
        const bool was = Checked();
        ClickButton(box);
        ASSERT_TRUE(WaitUntil([&] { return Checked() != was; }));
    }
    void Press(const wchar_t* button) {
        ClickButton(ChildWithText(settings, button));
        ASSERT_TRUE(WaitUntil([&] { return !AnyWindowVisible(kelvo->Id()); }));
    }
    // The text of the next message box, once it is closed.
    std::wstring NextMessage() {
        HWND message = nullptr;
        if (!WaitUntil([&] { return (message = MessageBoxOf(kelvo->Id())) != nullptr; })) return L"(no message box)";
        const std::wstring text = MessageBoxText(message);
        PostMessageW(message, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return !IsWindow(message); });
        return text;
    }

    FixtureFolder folder;
    std::optional<KelvoProcess> kelvo;
    HWND tray = nullptr;
    // Made when Properties first opens it.
    HWND settings = nullptr;
    HWND box = nullptr;
};

TEST_F(OptionsE2eTest, CheckedAndOkTheRunValueNamesTheProgramUncheckedItIsGoneCancelChangesNothing) {
    OpenOptions();
    EXPECT_FALSE(Checked());
    Toggle();
    Press(L"OK");
    const std::wstring program = BesideThisProgram(KELVO_EXE_NAME);
    // The window goes before OK writes.
    ASSERT_TRUE(WaitUntil([] { return RunValue().has_value(); }));
    EXPECT_EQ(CompareStringOrdinal(RunValue()->c_str(), -1, (L"\"" + program + L"\"").c_str(), -1, TRUE), CSTR_EQUAL)
        << *RunValue() << " for " << program;

    OpenOptions();
    EXPECT_TRUE(Checked()) << "the stored entry shows";
    Toggle();
    Press(L"Cancel");
    EXPECT_TRUE(RunValue()) << "Cancel leaves it";

    OpenOptions();
    EXPECT_TRUE(Checked());
    Toggle();
    Press(L"OK");
    EXPECT_TRUE(WaitUntil([] { return !RunValue(); }));

    OpenOptions();
    Toggle();
    Press(L"Cancel");
    EXPECT_EQ(RunValue(), std::nullopt) << "Cancel writes nothing";
    EXPECT_EQ(StoredList(L"Custom"), (std::vector<std::wstring>{folder.ChoiceFor(L"A.txt"), L"Done"}));
}

// A policy lets the user read the Run key and not write it: OK says so and
// still saves the lists.
TEST_F(OptionsE2eTest, RunKeyLockedAgainstWritingOkSaysSoAndSavesTheLists) {
    HKEY run;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_READ, nullptr, &run, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(run);
    ASSERT_TRUE(SetAccess(kRunKey, L"D:P(A;;KR;;;WD)"));
    OpenOptions();
    Toggle();
    ClickButton(ChildWithText(settings, L"OK"));
    const std::wstring message = NextMessage();
    SetAccess(kRunKey, L"D:P(A;;KA;;;WD)");
    EXPECT_TRUE(message.starts_with(L"KelvoTop could not be set to start when you sign in: ")) << message;
    EXPECT_EQ(RunValue(), std::nullopt);
    EXPECT_EQ(StoredList(L"Custom"), (std::vector<std::wstring>{folder.ChoiceFor(L"A.txt"), L"Done"}));
}

// A window of this test process holds the key, as another program would.
// The key stays the user's choice: named at the start, and kept stored by an
// OK that saves a list edit.
TEST(OptionsKeyE2eTest, StoredKeyThatAnotherProgramHoldsIsNamedAtTheStartAndKeptByAnOk) {
    ClearStore();
    FixtureFolder folder;
    folder.AddFile(L"A.txt");
    folder.AddFile(L"B.txt");
    StoreList(L"Custom", {folder.ChoiceFor(L"A.txt"), folder.ChoiceFor(L"B.txt")});
    HKEY options;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\KelvoDesktop\\Options", 0,
                              nullptr, 0, KEY_SET_VALUE, nullptr, &options, nullptr),
              ERROR_SUCCESS);
    const std::wstring key = L"Ctrl+Alt+F11";
    RegSetValueExW(options, L"MenuKey", 0, REG_SZ, reinterpret_cast<const BYTE*>(key.c_str()),
                   static_cast<DWORD>((key.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(options);
    HWND holder = CreateWindowExW(0, L"STATIC", L"holder", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(holder, 1, MOD_CONTROL | MOD_ALT, VK_F11));

    KelvoProcess kelvo;
    HWND message = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (message = MessageBoxOf(kelvo.Id())) != nullptr; }));
    EXPECT_EQ(MessageBoxText(message),
              L"The key Ctrl+Alt+F11 is used by another program, so it cannot open the menu; choose another key.");
    PostMessageW(message, WM_COMMAND, IDOK, 0);

    HWND tray = kelvo.WaitUntilResident();
    ASSERT_NE(tray, nullptr);
    HWND settings = ChooseProperties(tray, kelvo.Id());
    ASSERT_NE(settings, nullptr);
    ClickTab(ChildrenOfClass(settings, WC_TABCONTROLW).at(0), 1);
    HWND custom = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND list : ChildrenOfClass(settings, WC_LISTVIEWW))
            if (IsWindowVisible(list)) custom = list;
        return custom != nullptr && ListViewCount(custom) == 2;
    }));
    ClickListRow(custom, 0);
    PressKeys(custom, {VK_DELETE});
    ASSERT_TRUE(WaitUntil([&] { return ListViewCount(custom) == 1; }));
    ClickButton(ChildWithText(settings, L"OK"));
    const std::vector<std::wstring> edited{folder.ChoiceFor(L"B.txt"), L"Done"};
    EXPECT_TRUE(WaitUntil([&] { return StoredList(L"Custom") == edited; })) << "the edit is saved";
    // OK's work is over once its notice is gone; it tells nothing off the Options tab.
    ASSERT_TRUE(WaitUntil([&] { return !AnyWindowVisible(kelvo.Id()); }));
    SendMessageW(tray, WM_NULL, 0, 0);  // answered once OK's event is over
    EXPECT_EQ(MessageBoxOf(kelvo.Id()), nullptr);
    EXPECT_EQ(StoredValue(L"Options", L"MenuKey"), key);
    UnregisterHotKey(holder, 1);
    DestroyWindow(holder);
}

}  // namespace
}  // namespace kelvo::e2e
