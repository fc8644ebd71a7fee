// Timing harness under Wine: the cost of each Windows part that a list fill
// uses, per entry, for 1,000 files. Shows where start-up and "Properties"
// spend their time.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "platform/win32/RegistryStore.h"
#include "platform/win32/SettingsWindow.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ShellInfo.h"

namespace {

constexpr int kFiles = 1000;

void Time(const char* what, const std::function<void(int)>& step) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i <= kFiles; ++i) step(i);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-34s %9.1f ms for %d, %7.3f ms each\n", what, ms, kFiles, ms / kFiles);
}

std::string MakeFixture() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::string folder = kelvo::Narrow(temp) + "kelvo-parts-bench\\";
    CreateDirectoryW(kelvo::Widen(folder).c_str(), nullptr);
    for (int i = 1; i <= kFiles; ++i) {
        HANDLE file = CreateFileW(kelvo::Widen(folder + "file" + std::to_string(i) + ".txt").c_str(),
                                  GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(file);
    }
    return folder;
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::string folder = MakeFixture();
    auto path = [&folder](int i) { return folder + "file" + std::to_string(i) + ".txt"; };

    kelvo::RegistryStore store("Software\\KelvoTop bench");
    Time("store Put", [&](int i) { store.Put("List", "MenuChoice" + std::to_string(i), path(i)); });
    Time("store Get", [&](int i) { store.Get("List", "MenuChoice" + std::to_string(i)); });
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\KelvoTop bench");

    kelvo::Win32FileSystem files;
    Time("file Look", [&](int i) { files.Look(path(i)); });

    kelvo::Win32ShellInfo shell;
    Time("shell Describe", [&](int i) { shell.Describe(path(i)); });
    Time("shell ExecutableType", [&](int i) { shell.ExecutableType(path(i)); });
    const int icon = shell.Describe(path(1))->iconIndex;
    Time("shell DrawSmallIcon", [&](int) { shell.DrawSmallIcon(icon, kelvo::kBaseIconSide); });

    kelvo::SettingsWindow settings(GetModuleHandleW(nullptr));
    kelvo::ListView& view = settings.DesktopList();
    Time("list view Append (hidden)", [&](int i) { view.Append(kelvo::ListRow{"file" + std::to_string(i), folder, ""}); });
    view.Clear();
    settings.AsWindow().Show();
    Time("list view Append+Repaint (shown)", [&](int i) {
        view.Append(kelvo::ListRow{"file" + std::to_string(i), folder, ""});
        view.Repaint();
    });
    return 0;
}
