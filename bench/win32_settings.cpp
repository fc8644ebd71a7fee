// Timing harness under Wine: the real program's parts with 1,000 entries in
// each stored list and 1,000 files on the desktop. Times start-up,
// "Properties", "Load DeskTop " and OK, each until the window has painted.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "menus/MenuIds.h"
#include "platform/win32/RegistryStore.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32Folders.h"
#include "app/Application.h"
#include "store/Choices.h"

namespace kelvo {
namespace {

constexpr int kEntries = 1000;
constexpr char kBenchKey[] = "Software\\KelvoTop settings bench";

std::string MakeFolder(const std::string& name, const std::string& extension) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::string folder = Narrow(temp) + name;
    CreateDirectoryW(Widen(folder).c_str(), nullptr);
    for (int i = 1; i <= kEntries; ++i) {
        const std::wstring file = Widen(folder + "\\" + name + std::to_string(i) + extension);
        CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    }
    return folder;
}

void SeedList(SettingsStore& store, const char* section, const std::string& folder, const std::string& name) {
    for (int i = 1; i <= kEntries; ++i) {
        store.Put(section, ChoiceKey(i), ChoiceValue(name + std::to_string(i) + ".txt", folder + "\\"));
    }
    store.Put(section, ChoiceKey(kEntries + 1), "Done");
}

// Runs what is queued, painting included.
void Settle() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Time(const char* what, const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    Settle();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-28s %8.1f ms\n", what, ms);
}

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
    SeedList(store, kCustomSection, MakeFolder("custom", ".txt"), "custom");
    SeedList(store, kDesktopSection, MakeFolder("desk", ".txt"), "desk");
    Win32Folders folders(MakeFolder("desktop", ".ini"));
    Win32Desktop desktop(GetModuleHandleW(nullptr), store, folders);
    Application app(desktop.parts);

    std::printf("%d entries per list, %d files on the desktop\n", kEntries, kEntries);
    Time("start-up", [&] { app.StartUp(); });
    for (int round = 1; round <= 3; ++round) {
        Time("Properties", [&] { app.OnMenuCommand(kPropertiesId); });
        Time("Load DeskTop", [&] { app.OnSettingsCommand(SettingsCommand::LoadDeskTop); });
        Time("OK", [&] { app.OnSettingsCommand(SettingsCommand::OK); });
    }
    desktop.taskbar.RemoveIcon();
    RegDeleteTreeW(HKEY_CURRENT_USER, Widen(kBenchKey).c_str());
    return 0;
}
