// Timing harness under Wine: files dropped onto the real settings window, as
// the shell drops them, onto a custom list of as many rows: 1,000 onto
// 1,000 and 10,000 onto 10,000, each until the window has painted.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../tests/win32/DropHandle.h"
#include "Win32BenchFiles.h"
#include "app/Application.h"
#include "menus/MenuIds.h"
#include "platform/win32/RegistryStore.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32Parts.h"
#include "platform/win32/Win32Events.h"
#include "platform/win32/Win32Folders.h"
#include "settings/TabChange.h"
#include "store/Choices.h"

namespace kelvo {
namespace {

constexpr char kBenchKey[] = "Software\\KelvoTop drop bench";

// The paths <folder>\<name>1.txt ... <name>n.txt.
std::vector<std::string> NumberedPaths(const std::string& folder, const std::string& name, int n) {
    std::vector<std::string> paths;
    for (int i = 1; i <= n; ++i) paths.push_back(folder + "\\" + name + std::to_string(i) + ".txt");
    return paths;
}

void TimeDrop(int n) {
    RegDeleteTreeW(HKEY_CURRENT_USER, Widen(kBenchKey).c_str());
    RegistryStore store(kBenchKey);
    const std::string listed = "listed" + std::to_string(n);
    const std::string dropped = "dropped" + std::to_string(n);
    SeedList(store, kCustomSection, MakeFolder(listed, ".txt", n), listed, n);
    const std::string dropFolder = MakeFolder(dropped, ".txt", n);
    SeedList(store, kDesktopSection, dropFolder, dropped, 0);
    Win32Folders folders(dropFolder);
    Win32SignInStart signInStart;
    Win32Parts parts(GetModuleHandleW(nullptr), store, folders, signInStart);
    Application app(parts.tray.parts, parts.sources.parts, parts.settings);
    ConnectEvents(parts, app);
    app.OnMenuCommand(kPropertiesId);
    app.OnTabChange(kCustomTab);
    parts.tray.pump.RunPending();
    SettingsWindow& settings = parts.settings.Get().window;
    HDROP drop = MakeDropHandle(NumberedPaths(dropFolder, dropped, n));
    const std::string what = std::to_string(n) + " files onto " + std::to_string(n) + " rows";
    Time(what, [&] {
        SendMessageW(settings.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    });
    std::printf("%-40s %8d rows\n", "custom list after the drop", settings.CustomList().Count());
    settings.AsWindow().Hide();
    RegDeleteTreeW(HKEY_CURRENT_USER, Widen(kBenchKey).c_str());
}

}  // namespace
}  // namespace kelvo

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (int n : {1000, 10000}) kelvo::TimeDrop(n);
    return 0;
}
