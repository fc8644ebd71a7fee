#include "E2eSupport.h"

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kelvo::e2e {
namespace {

// Ids of the running copies of KelvoTop.exe that the program `pid` started.
std::vector<DWORD> IconFinderIdsOf(DWORD pid) {
    std::vector<DWORD> finders;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return finders;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID == pid && lstrcmpiW(entry.szExeFile, L"KelvoTop.exe") == 0) {
            finders.push_back(entry.th32ProcessID);
        }
    }
    CloseHandle(snapshot);
    return finders;
}

// How many finders of its icons the program `pid` runs now.
int IconFindersOf(DWORD pid) {
    return static_cast<int>(IconFinderIdsOf(pid).size());
}

// Stops every thread of process `pid`, as a shell extension that never
// returns would hold it; false when none could be stopped.
bool HoldProcess(DWORD pid) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool held = false;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != pid) continue;
        HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID);
        if (thread == nullptr) continue;
        held |= SuspendThread(thread) != static_cast<DWORD>(-1);
        CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return held;
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
            const bool seen = shows(PaintedShotOf(popup));
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
    // Taken once the rows are painted: a blank popup shows no picture either.
    const Shot shot = PaintedShotOf(popup);
    ASSERT_GE(TextPixels(shot), 20) << "the popup was painted";
    Close(popup);
    EXPECT_EQ(RedPixels(shot), 0);
    EXPECT_EQ(MarginPicturePixels(shot), 0);
    EXPECT_EQ(OpenFromPopup(tray, kelvo->Id(), {VK_DOWN, VK_RETURN}), folder.Path() + L"Readme.txt");
}

// A finder held up, as by a shell extension that never answers, ends with
// the program: after Exit no copy of KelvoTop.exe is left. A long list keeps
// the start-up finder running long enough to be caught; a start whose
// finder was done before it was caught is tried again.
TEST_F(MenuIconsE2eTest, AFinderHeldUpEndsWithTheProgram) {
    std::vector<std::wstring> choices;
    for (int k = 1; k <= 1500; ++k) {
        const std::wstring name = L"Entry " + std::to_wstring(k) + L".txt";
        folder.AddFile(name);
        choices.push_back(folder.ChoiceFor(name));
    }
    StoreList(L"Custom", choices);
    DWORD finder = 0;
    for (int attempt = 0; attempt < 5 && finder == 0; ++attempt) {
        if (kelvo) {
            kelvo->Kill();
            kelvo.reset();
        }
        kelvo = std::make_unique<KelvoProcess>();
        for (int look = 0; look < 3000 && finder == 0; ++look) {
            for (DWORD running : IconFinderIdsOf(kelvo->Id())) {
                if (HoldProcess(running)) finder = running;
            }
        }
    }
    ASSERT_NE(finder, 0u) << "no finder was caught running";
    HANDLE held = OpenProcess(SYNCHRONIZE, FALSE, finder);
    ASSERT_NE(held, nullptr);
    tray = kelvo->WaitUntilResident();
    ASSERT_NE(tray, nullptr);
    HWND popup = ShowPopupOf(tray, kelvo->Id());
    ASSERT_NE(popup, nullptr);
    PressKeys(popup, {VK_UP, VK_RETURN});  // "Exit" is the last row
    EXPECT_EQ(kelvo->WaitForExit(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return WaitForSingleObject(held, 0) == WAIT_OBJECT_0; }))
        << "the finder ended with the program";
    CloseHandle(held);
}

}  // namespace
}  // namespace kelvo::e2e
