#include <windows.h>
#include <objbase.h>
#include <ole2.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FixtureFiles.h"
#include "platform/win32/LateLibraries.h"
#include "platform/win32/ShellItemMenu.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32ShellMenus.h"

namespace kelvo {
namespace {

// The files that the clipboard holds as dropped files; none when it holds
// none.
std::vector<std::string> FilesOnClipboard() {
    IDataObject* data = nullptr;
    if (FAILED(OleGetClipboard(&data))) return {};
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    std::vector<std::string> files;
    if (SUCCEEDED(data->GetData(&format, &medium))) {
        const auto drop = static_cast<HDROP>(GlobalLock(medium.hGlobal));
        for (UINT k = 0; k < DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0); ++k) {
            std::wstring name(DragQueryFileW(drop, k, nullptr, 0) + 1, L'\0');
            name.resize(DragQueryFileW(drop, k, name.data(), static_cast<UINT>(name.size())));
            files.push_back(Narrow(name));
        }
        GlobalUnlock(medium.hGlobal);
        ReleaseStgMedium(&medium);
    }
    data->Release();
    return files;
}

// A file in a folder of its own, a window to own the menus, and an empty
// clipboard, where the shell's Copy verb puts the file. Copy is the verb
// tried: Wine's Open of a file item opens it as a folder would.
class ShellMenuTest : public ::testing::Test {
protected:
    // As the program's own thread: the shell's menus enter OLE themselves.
    static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE); }
    static void TearDownTestSuite() {
        LeaveComApartment();
        CoUninitialize();
    }
    void SetUp() override {
        CreateDirectoryW(Widen(folder).c_str(), nullptr);
        Touch(file);
        owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        OleSetClipboard(nullptr);
    }
    void TearDown() override {
        OleSetClipboard(nullptr);
        DestroyWindow(owner);
        RemoveTree(folder);
    }
    // A typed character for the next menu loop of this thread, which takes
    // its messages first.
    void TypeWhenShown(wchar_t character) const { PostMessageW(owner, WM_CHAR, character, 1); }

    const std::string folder = TempFolder() + "kelvo-shellmenu-" + std::to_string(GetCurrentProcessId());
    const std::string file = folder + "\\report.txt";
    HWND owner = nullptr;
};

TEST_F(ShellMenuTest, TheMenuOfARealFileHasItsVerbsAndOneRunsByItsId) {
    EnterOleApartment();
    ShellItemMenu::Made made = ShellItemMenu::Make(file, owner, false);
    ASSERT_NE(made.menu, nullptr) << made.reason;
    EXPECT_TRUE(made.menu->VerbId(L"open").has_value());
    EXPECT_TRUE(made.menu->VerbId(L"properties").has_value());
    EXPECT_FALSE(made.menu->VerbId(L"kelvo-no-such-verb").has_value());
    const std::optional<UINT> copy = made.menu->VerbId(L"copy");
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(made.menu->Run(*copy, POINT{}), std::nullopt);
    EXPECT_EQ(FilesOnClipboard(), std::vector<std::string>{file});
}

TEST_F(ShellMenuTest, NoMenuIsMadeForAFileThatIsNotThereAndTheSystemSaysWhy) {
    const std::string gone = folder + "\\gone.txt";
    const ShellItemMenu::Made made = ShellItemMenu::Make(gone, owner, false);
    EXPECT_EQ(made.menu, nullptr);
    EXPECT_EQ(made.reason, SystemErrorText(ERROR_FILE_NOT_FOUND, gone));
}

// The menu is shown as over the popup, and answered from the keyboard: C
// is the access key of Copy.
TEST_F(ShellMenuTest, AVerbChosenInTheShownMenuRunsWhenAskedAndOnlyOnce) {
    Win32ShellMenus menus(owner);
    PostMessageW(owner, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(menus.ShowFor(file).end, ShellMenuEnd::Dismissed);
    EXPECT_EQ(menus.RunChosen(), std::nullopt);
    EXPECT_TRUE(FilesOnClipboard().empty());

    TypeWhenShown(L'c');
    EXPECT_EQ(menus.ShowFor(file).end, ShellMenuEnd::VerbChosen);
    EXPECT_TRUE(FilesOnClipboard().empty()) << "not before it is asked to run";
    EXPECT_EQ(menus.RunChosen(), std::nullopt);
    EXPECT_EQ(FilesOnClipboard(), std::vector<std::string>{file});
    OleSetClipboard(nullptr);
    EXPECT_EQ(menus.RunChosen(), std::nullopt);
    EXPECT_TRUE(FilesOnClipboard().empty()) << "it runs once";
}

TEST_F(ShellMenuTest, AMenuTheShellCannotMakeIsNotShown) {
    Win32ShellMenus menus(owner);
    const std::string gone = folder + "\\gone.txt";
    const ShellMenuOutcome outcome = menus.ShowFor(gone);
    EXPECT_EQ(outcome.end, ShellMenuEnd::NotShown);
    EXPECT_EQ(outcome.reason, SystemErrorText(ERROR_FILE_NOT_FOUND, gone));
}

}  // namespace
}  // namespace kelvo
