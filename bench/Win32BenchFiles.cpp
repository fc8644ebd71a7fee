#include "Win32BenchFiles.h"

#include <windows.h>

#include <chrono>
#include <cstdio>

#include "platform/win32/Utf8.h"
#include "platform/win32/Win32EventPump.h"
#include "store/Choices.h"

namespace kelvo {

std::string MakeFolder(const std::string& name, const std::string& extension, int n) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::string folder = Narrow(temp) + name;
    CreateDirectoryW(Widen(folder).c_str(), nullptr);
    for (int i = 1; i <= n; ++i) {
        const std::wstring file = Widen(folder + "\\" + name + std::to_string(i) + extension);
        CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    }
    return folder;
}

void SeedList(SettingsStore& store, const char* section, const std::string& folder, const std::string& name,
              int n) {
    for (int i = 1; i <= n; ++i) {
        store.Put(section, ChoiceKey(i), ChoiceValue(name + std::to_string(i) + ".txt", folder + "\\"));
    }
    store.Put(section, ChoiceKey(n + 1), "Done");
}

void Time(const std::string& what, const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    Win32EventPump().RunPending();  // painting included
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-40s %8.1f ms\n", what.c_str(), ms);
}

}  // namespace kelvo
