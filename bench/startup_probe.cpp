// Measures how long KelvoTop.exe takes from launch until its start-up is
// over (the splash is gone and the window is hidden), and how much memory it
// holds then, for a store seeded with a given number of entries per list.
// Usage: startup_probe <path of KelvoTop.exe> <entries per list> <runs>
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

const wchar_t kAppKey[] = L"Software\\VB and VBA Program Settings\\KelvoDesktop";

std::wstring MakeFixtureFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"kelvo-bench\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void SeedList(const wchar_t* section, int entries, const std::wstring& folder) {
    RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(kAppKey) + L"\\" + section).c_str());
    HKEY key;
    RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(kAppKey) + L"\\" + section).c_str(), 0,
                    nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    auto put = [key](int index, const std::wstring& value) {
        std::wstring name = L"MenuChoice" + std::to_wstring(index);
        RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    };
    for (int i = 1; i <= entries; ++i) {
        std::wstring name = std::wstring(section) + L"-" + std::to_wstring(i) + L".txt";
        HANDLE file = CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(file);
        put(i, name + L"%" + folder + L"%1");
    }
    put(entries + 1, L"Done");
    RegCloseKey(key);
}

struct WindowCount {
    DWORD pid = 0;
    int all = 0;
    int visible = 0;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM param) {
    auto* count = reinterpret_cast<WindowCount*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == count->pid) {
        ++count->all;
        if (IsWindowVisible(window)) ++count->visible;
    }
    return TRUE;
}

WindowCount CountWindows(DWORD pid) {
    WindowCount count;
    count.pid = pid;
    EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

struct Sample {
    double milliseconds = 0;
    SIZE_T workingSet = 0;
    SIZE_T privateBytes = 0;
};

// Start-up is over once the process has shown its splash and no longer shows
// any window (settings window hidden, splash gone).
bool WaitForStartUp(DWORD pid) {
    bool sawVisible = false;
    for (int polls = 0; polls < 60000; ++polls) {
        WindowCount count = CountWindows(pid);
        if (count.visible > 0) sawVisible = true;
        if (sawVisible && count.all > 0 && count.visible == 0) return true;
        Sleep(1);
    }
    return false;
}

bool MeasureOnce(const std::wstring& exe, Sample& sample) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + exe + L"\"";
    auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    bool started = WaitForStartUp(process.dwProcessId);
    sample.milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    Sleep(200);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof(memory));
    sample.workingSet = memory.WorkingSetSize;
    sample.privateBytes = memory.PrivateUsage;
    std::printf("pid %lu\n", process.dwProcessId);
    std::fflush(stdout);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return started;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_probe KelvoTop.exe entries runs\n");
        return 2;
    }
    const int entries = _wtoi(argv[2]);
    const int runs = _wtoi(argv[3]);
    const std::wstring folder = MakeFixtureFolder();
    SeedList(L"Desktop", entries, folder);
    SeedList(L"Custom", entries, folder);
    for (int run = 0; run < runs; ++run) {
        Sample sample;
        if (!MeasureOnce(argv[1], sample)) {
            std::fprintf(stderr, "start-up did not finish\n");
            return 1;
        }
        std::printf("entries %d run %d: start-up %.1f ms, working set %llu KiB, private %llu KiB\n",
                    entries, run + 1, sample.milliseconds, static_cast<unsigned long long>(sample.workingSet / 1024),
                    static_cast<unsigned long long>(sample.privateBytes / 1024));
    }
    return 0;
}
