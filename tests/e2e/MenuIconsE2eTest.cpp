#include "E2eSupport.h"

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace kelvo::e2e {
namespace {

// Running copies of KelvoTop.exe that the program `pid` started: the
// finders of its icons.
int IconFindersOf(DWORD pid) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        count += entry.th32ParentProcessID == pid && lstrcmpiW(entry.szExeFile, L"KelvoTop.exe") == 0;
    }
    CloseHandle(snapshot);
    return count;
}

// The program resident with a custom list of a text file of the fixture
// folder and a file on a drive that is not there, which shows the red
// "unavailable" sign once the icons are found.
class MenuIconsE2eTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearStore();
        RouteTextFilesToRecorder();
        folder.AddFile(L"Readme.txt");
        StoreList(L"Custom", {folder.ChoiceFor(L"Readme.txt"), L"Gone.txt%R:\\%1"});
        StoreList(L"Desktop", {});
    }
    void Start() {
        kelvo = std::make_unique<KelvoProcess>();
        tray = kelvo->WaitUntilResident();
        ASSERT_NE(tray, nullptr);
    }
    void Close(HWND popup) {
        PressKeys(popup, {VK_ESCAPE});
        WaitUntil([&] { return VisiblePopupOf(kelvo->Id()) == nullptr; });
    }
    // Shows the popup until `shows` holds for it, as the icons come after
    // start-up: true once it does.
    bool ShowUntil(const std::function<bool(const Shot&)>& shows) {
        return WaitUntil([&] {
            HWND popup = ShowPopupOf(tray, kelvo->Id());
            if (popup == nullptr) return false;
            const bool seen = shows(ShotOf(popup));
            Close(popup);
            return seen;
        });
    }
    FixtureFolder folder;
    std::unique_ptr<KelvoProcess> kelvo;
    HWND tray = nullptr;
};

TEST_F(MenuIconsE2eTest, TheRowsShowTheirIconsOnceFoundAndAnEntryOpensAsBefore) {
    Start();
    ASSERT_TRUE(ShowUntil([](const Shot& shot) { return RedPixels(shot) > 10; }))
        << "the entry on the missing drive shows the unavailable sign";
    ASSERT_TRUE(ShowUntil([](const Shot& shot) { return MarginPicturePixels(shot) > 100; }))
        << "the text file shows its icon";
    EXPECT_TRUE(WaitUntil([&] { return IconFindersOf(kelvo->Id()) == 0; })) << "the icon finder has ended";
    EXPECT_EQ(OpenFromPopup(tray, kelvo->Id(), {VK_DOWN, VK_RETURN}), folder.Path() + L"Readme.txt");
}

// With the option on, the icons show some time after start-up; with it
// off they do not show even after three times as long.
TEST_F(MenuIconsE2eTest, WithTheOptionOffTheRowsShowNoPictures) {
    Start();
    const ULONGLONG resident = GetTickCount64();
    ASSERT_TRUE(ShowUntil([](const Shot& shot) { return RedPixels(shot) > 10; }));
    const ULONGLONG iconsTook = GetTickCount64() - resident;
    kelvo->Kill();
    RemoveIconOf(tray);

    StoreOption(L"MenuIcons", L"0");
    Start();
    Sleep(static_cast<DWORD>(3 * iconsTook + 500));
    HWND popup = ShowPopupOf(tray, kelvo->Id());
    ASSERT_NE(popup, nullptr);
    const Shot shot = ShotOf(popup);
    Close(popup);
    EXPECT_EQ(RedPixels(shot), 0);
    EXPECT_EQ(MarginPicturePixels(shot), 0);
    EXPECT_EQ(OpenFromPopup(tray, kelvo->Id(), {VK_DOWN, VK_RETURN}), folder.Path() + L"Readme.txt");
}

}  // namespace
}  // namespace kelvo::e2e
