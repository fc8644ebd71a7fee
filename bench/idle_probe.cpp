// Measures the CPU time KelvoTop.exe uses while it waits, after its popup
// showed its entries' icons and the custom tab of its settings window was
// selected (from then on it takes dropped files): it must stay at zero,
// since nothing polls.
// Usage: idle_probe <seconds>; KelvoTop.exe lies beside the probe.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cwchar>

#include "../tests/e2e/E2eSupport.h"

namespace {

double CpuMilliseconds(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return -1;
    auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace kelvo::e2e;
    const int seconds = argc > 1 ? _wtoi(argv[1]) : 60;
    FixtureFolder folder;
    for (const wchar_t* name : {L"a.txt", L"b.rtf", L"c.ini"}) folder.AddFile(name);
    StoreList(L"Custom", {folder.ChoiceFor(L"a.txt"), folder.ChoiceFor(L"b.rtf"), folder.ChoiceFor(L"c.ini")});
    KelvoProcess kelvo;
    HWND tray = kelvo.WaitUntilResident();
    HWND popup = nullptr;
    // The icons come after start-up: the popup is shown until it shows them.
    const bool iconsIn = tray && WaitUntil([&] {
        popup = ShowPopupOf(tray, kelvo.Id());
        if (popup == nullptr || MarginPicturePixels(ShotOf(popup)) > 0) return true;
        PressKeys(popup, {VK_ESCAPE});
        WaitUntil([&] { return VisiblePopupOf(kelvo.Id()) == nullptr; });
        return false;
    });
    if (!iconsIn || popup == nullptr) {
        std::fprintf(stderr, "KelvoTop did not show its popup with icons\n");
        return 1;
    }
    PressKeys(popup, {VK_UP, VK_UP, VK_RETURN});
    HWND settings = WaitForSettingsWindow(kelvo.Id());
    if (settings == nullptr) return 1;
    ClickTab(ChildrenOfClass(settings, WC_TABCONTROLW).front(), 1);
    if (!WaitUntil([&] { return (GetWindowLongPtrW(settings, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0; })) return 1;
    Sleep(1000);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, kelvo.Id());
    const double before = CpuMilliseconds(process);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const double after = CpuMilliseconds(process);
    std::printf("pid %lu: CPU time over %d s idle with the custom tab selected: %.1f ms\n", kelvo.Id(), seconds,
                after - before);
    CloseHandle(process);
    return 0;
}
