// Timing harness under Wine: the real program's parts with 1,000 entries in
// each stored list and 1,000 files on the desktop. Times start-up,
// "Properties", "Load DeskTop " and OK, each until the window has painted.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>

#include "Win32BenchFiles.h"
#include "menus/MenuIds.h"
#include "platform/win32/RegistryStore.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32Parts.h"
#include "platform/win32/Win32Folders.h"
#include "app/Application.h"
#include "store/Choices.h"

namespace kelvo {
namespace {

constexpr int kEntries = 1000;
constexpr char kBenchKey[] = "Software\\KelvoTop settings bench";

}  // namespace
}  // namespace kelvo

int main() {
    using namespace kelvo;
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    RegDeleteTreeW(HKEY_CURRENT_USER, Widen(kBenchKey).c_str());

    RegistryStore store(kBenchKey);
    SeedList(store, kCustomSection, MakeFolder("custom", ".txt", kEntries), "custom", kEntries);
    SeedList(store, kDesktopSection, MakeFolder("desk", ".txt", kEntries), "desk", kEntries);
    Win32Folders folders(MakeFolder("desktop", ".ini", kEntries));
    Win32SignInStart signInStart;
    Win32Parts parts(GetModuleHandleW(nullptr), store, folders, signInStart);
    Application app(parts.tray.parts, parts.sources.parts, parts.settings);

    std::printf("%d entries per list, %d files on the desktop\n", kEntries, kEntries);
    Time("start-up", [&] { app.StartUp(); });
    for (int round = 1; round <= 3; ++round) {
        Time("Properties", [&] { app.OnMenuCommand(kPropertiesId); });
        Time("Load DeskTop", [&] { app.OnSettingsCommand(SettingsCommand::LoadDeskTop); });
        Time("OK", [&] { app.OnSettingsCommand(SettingsCommand::OK); });
    }
    parts.tray.taskbar.RemoveIcon();
    RegDeleteTreeW(HKEY_CURRENT_USER, Widen(kBenchKey).c_str());
    return 0;
}
