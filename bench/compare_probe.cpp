// Measures KelvoTop.exe and the bare tray program side by side, in turns,
// for stored lists of several sizes: the popup, start-up, resident memory,
// and KelvoTop's Properties, Load DeskTop and OK against raw registry writes.
// Usage: compare_probe <fixture folder> <entries per list>:<runs>...
// KelvoTop.exe and bare_tray.exe lie beside the probe; it runs only in a
// throw-away prefix, since it rewrites the stored lists and the desktop folder.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "../tests/e2e/E2eSupport.h"
#include "CompareFixture.h"
#include "CompareReport.h"

namespace kelvo::bench {

namespace {

using Clock = std::chrono::steady_clock;
using e2e::kRightButtonUp;
using e2e::kTrayMessage;

constexpr int kShowings = 5;
constexpr wchar_t kBareClass[] = L"KelvoBareTray";
constexpr wchar_t kMenuClass[] = L"#32768";

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Polls every millisecond until `done` holds; gives up after five minutes.
void Await(const std::function<bool()>& done, const char* failure) {
    const Clock::time_point limit = Clock::now() + std::chrono::minutes(5);
    while (!done()) {
        if (Clock::now() > limit) throw std::runtime_error(failure);
        Sleep(1);
    }
}

// One run of a program; ended by force when it is still running at the end.
class Program {
public:
    explicit Program(const std::wstring& name) : start_(Clock::now()) {
        const std::wstring path = e2e::BesideThisProgram(name);
        std::wstring commandLine = L"\"" + path + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &info_)) {
            throw std::runtime_error("could not start a program");
        }
    }
    ~Program() {
        if (WaitForSingleObject(info_.hProcess, 10000) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, INFINITE);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The program's one window thread.
    DWORD Thread() const { return info_.dwThreadId; }
    double MillisecondsSinceStart() const { return MillisecondsSince(start_); }
    double WorkingSetMegabytes() const {
        PROCESS_MEMORY_COUNTERS memory{};
        GetProcessMemoryInfo(info_.hProcess, &memory, sizeof memory);
        return static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
    }
    void Kill() const { TerminateProcess(info_.hProcess, 0); }

private:
    Clock::time_point start_;
    PROCESS_INFORMATION info_{};
};

bool OfThread(HWND window, DWORD thread) {
    return GetWindowThreadProcessId(window, nullptr) == thread;
}

// The first window of `className` of `thread`, shown or not.
HWND WindowOf(const wchar_t* className, DWORD thread, bool shownOnly = false) {
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, nullptr)) != nullptr;) {
        if (OfThread(window, thread) && (!shownOnly || IsWindowVisible(window))) return window;
    }
    return nullptr;
}

BOOL CALLBACK StopAtShown(HWND window, LPARAM found) {
    if (!IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

bool AnyWindowShown(DWORD thread) {
    bool found = false;
    EnumThreadWindows(thread, StopAtShown, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND ShowPopup(HWND owner, DWORD thread) {
    PostMessageW(owner, kTrayMessage, 0, kRightButtonUp);
    HWND menu = nullptr;
    Await([&] { return (menu = WindowOf(kMenuClass, thread, true)) != nullptr; }, "the popup did not show");
    return menu;
}

// Closes the popup with Escape; the program has gone back to waiting.
void ClosePopup(HWND menu, HWND owner, DWORD thread) {
    e2e::PressKeys(menu, {VK_ESCAPE});
    Await([&] { return WindowOf(kMenuClass, thread, true) == nullptr; }, "the popup did not close");
    SendMessageW(owner, WM_NULL, 0, 0);
}

// From the icon's right-button release to the popup shown.
double TimePopup(HWND owner, DWORD thread) {
    const Clock::time_point start = Clock::now();
    HWND menu = ShowPopup(owner, thread);
    const double milliseconds = MillisecondsSince(start);
    ClosePopup(menu, owner, thread);
    return milliseconds;
}

// The icons are found after start-up: the popup is shown until its rows
// show them.
void AwaitIcons(HWND owner, DWORD thread) {
    Await(
        [&] {
            HWND menu = ShowPopup(owner, thread);
            const bool shown = e2e::MarginPicturePixels(e2e::ShotOf(menu)) > 0;
            ClosePopup(menu, owner, thread);
            return shown;
        },
        "the popup's icons did not show");
}

// "Show icons in the menu", stored as the Options tab stores it.
void StoreMenuIcons(bool on) {
    HKEY options = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\KelvoDesktop\\Options", 0,
                        nullptr, 0, KEY_SET_VALUE, nullptr, &options, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("the options cannot be stored");
    }
    const wchar_t* value = on ? L"1" : L"0";
    RegSetValueExW(options, L"MenuIcons", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), 2 * sizeof(wchar_t));
    RegCloseKey(options);
}

void TimePopups(HWND owner, DWORD thread, Samples& samples) {
    for (int showing = 0; showing < kShowings; ++showing) samples[kPopup].push_back(TimePopup(owner, thread));
}

void NoteMemory(const Program& program, Samples& samples) {
    Sleep(200);
    samples[kMemory].push_back(program.WorkingSetMegabytes());
}

// Start-up is over, and the memory is taken a moment later.
void NoteStartUp(const Program& program, Samples& samples) {
    samples[kStartUp].push_back(program.MillisecondsSinceStart());
    NoteMemory(program, samples);
}

void MeasureBare(Samples& samples) {
    Program bare(L"bare_tray.exe");
    HWND window = nullptr;
    Await([&] { return (window = WindowOf(kBareClass, bare.Thread())) != nullptr && e2e::IconPlaced(window); },
          "the bare program placed no icon");
    NoteStartUp(bare, samples);
    TimePopups(window, bare.Thread(), samples);
    PostMessageW(window, WM_CLOSE, 0, 0);
}

// Resident once the splash has shown, no window is shown any more and the icon is placed.
// The tray window, which holds the icon.
HWND AwaitResident(const Program& kelvo) {
    bool splashSeen = false;
    HWND tray = nullptr;
    Await(
        [&] {
            const bool shown = AnyWindowShown(kelvo.Thread());
            splashSeen = splashSeen || shown;
            if (!splashSeen || shown) return false;
            tray = WindowOf(e2e::kTrayClass, kelvo.Thread());
            return tray != nullptr && e2e::IconPlaced(tray);
        },
        "KelvoTop did not become resident");
    return tray;
}

// The desktop list is the one the first tab shows.
HWND DesktopList(HWND settings) {
    for (HWND list : e2e::ChildrenOfClass(settings, WC_LISTVIEWW)) {
        if (IsWindowVisible(list)) return list;
    }
    throw std::runtime_error("the desktop list is not shown");
}

// From "Properties" chosen in the popup to the settings window shown with both lists filled;
// the first one makes the window.
// Milliseconds from `start` to the settings window shown, once its event
// has ended; both lists must hold `entries` rows by then.
double MillisecondsUntilSettingsShown(Clock::time_point start, DWORD thread, int entries, HWND& settings) {
    Await([&] { return (settings = WindowOf(e2e::kSettingsClass, thread)) != nullptr && IsWindowVisible(settings); },
          "the settings window did not show");
    SendMessageW(settings, WM_NULL, 0, 0);
    const double milliseconds = MillisecondsSince(start);
    for (HWND list : e2e::ChildrenOfClass(settings, WC_LISTVIEWW)) {
        if (e2e::ListViewCount(list) != entries) throw std::runtime_error("a list misses stored entries");
    }
    return milliseconds;
}

double TimeProperties(HWND tray, DWORD thread, int entries, HWND& settings) {
    HWND menu = ShowPopup(tray, thread);
    const Clock::time_point start = Clock::now();
    e2e::PressKeys(menu, {VK_UP, VK_UP, VK_RETURN});
    return MillisecondsUntilSettingsShown(start, thread, entries, settings);
}

// As TimeProperties, but the row is highlighted first and Enter pressed once
// the settings window has been made, hidden.
double TimeRestedProperties(HWND tray, DWORD thread, int entries) {
    HWND menu = ShowPopup(tray, thread);
    e2e::PressKeys(menu, {VK_UP, VK_UP});
    Await([&] { return WindowOf(e2e::kSettingsClass, thread) != nullptr; }, "the settings window was not made");
    // Answered once the program has finished making it and is back in the menu's loop.
    SendMessageW(tray, WM_NULL, 0, 0);
    const Clock::time_point start = Clock::now();
    e2e::PressKeys(menu, {VK_RETURN});
    HWND settings = nullptr;
    return MillisecondsUntilSettingsShown(start, thread, entries, settings);
}

// Clicks a button and waits for its handler to return, then for `done`
// (which the handler's work should already have brought about).
double TimeClick(HWND settings, const wchar_t* caption, const std::function<bool()>& done) {
    HWND button = e2e::ChildWithText(settings, caption);
    if (button == nullptr) throw std::runtime_error("a button is missing");
    const Clock::time_point start = Clock::now();
    SendMessageW(button, BM_CLICK, 0, 0);
    Await(done, "a button's work did not finish");
    return MillisecondsSince(start);
}

// The stored desktop list ends where it did, and its last entry is of the desktop folder.
bool StoresDesktopFolder(const std::wstring& desktop, int entries) {
    if (StoredChoice(L"Desktop", entries + 1) != L"Done") return false;
    if (entries == 0) return true;
    const std::wstring last = StoredChoice(L"Desktop", entries);
    return lstrcmpiW(LocationOf(last).c_str(), desktop.c_str()) == 0;
}

bool OkDone(DWORD thread, const std::wstring& desktop, int entries) {
    return !AnyWindowShown(thread) && !e2e::StoredSectionExists(L"Custom.saving") &&
           !e2e::StoredSectionExists(L"Desktop.saving") && StoresDesktopFolder(desktop, entries);
}

void TimeSettings(HWND tray, DWORD thread, const Folders& folders, int entries, Samples& samples) {
    HWND settings = nullptr;
    samples[kProperties].push_back(TimeProperties(tray, thread, entries, settings));
    HWND desktopList = DesktopList(settings);
    samples[kLoadDeskTop].push_back(
        TimeClick(settings, L"Load DeskTop ", [&] { return e2e::ListViewCount(desktopList) == entries; }));
    samples[kOk].push_back(TimeClick(settings, L"OK", [&] { return OkDone(thread, folders.desktop, entries); }));
}

// Memory and the popup are measured once the icons are in.
void RunKelvo(Samples& samples, const Folders& folders, int entries) {
    Program kelvo(L"KelvoTop.exe");
    HWND tray = AwaitResident(kelvo);
    samples[kStartUp].push_back(kelvo.MillisecondsSinceStart());
    if (entries > 0) AwaitIcons(tray, kelvo.Thread());
    NoteMemory(kelvo, samples);
    TimePopups(tray, kelvo.Thread(), samples);
    TimeSettings(tray, kelvo.Thread(), folders, entries, samples);
    e2e::RemoveIconOf(tray);
    kelvo.Kill();
}

void RunKelvoRested(Samples& samples, int entries) {
    Program kelvo(L"KelvoTop.exe");
    HWND tray = AwaitResident(kelvo);
    samples[kPropertiesRested].push_back(TimeRestedProperties(tray, kelvo.Thread(), entries));
    e2e::RemoveIconOf(tray);
    kelvo.Kill();
}

// As RunKelvo, whose wait for the icons shows the popup at least once
// before the memory is taken.
void RunKelvoIconsOff(Samples& samples) {
    StoreMenuIcons(false);
    Program kelvo(L"KelvoTop.exe");
    HWND tray = AwaitResident(kelvo);
    samples[kStartUp].push_back(kelvo.MillisecondsSinceStart());
    ClosePopup(ShowPopup(tray, kelvo.Thread()), tray, kelvo.Thread());
    NoteMemory(kelvo, samples);
    TimePopups(tray, kelvo.Thread(), samples);
    e2e::RemoveIconOf(tray);
    kelvo.Kill();
    StoreMenuIcons(true);
}

// The raw writes run once KelvoTop has ended, with nothing else going on.
// With its icons off, it runs first in every other run.
void MeasureKelvo(SizeResult& result, const Folders& folders, int entries, bool iconsOffFirst) {
    Samples& samples = result.kelvo;
    SeedStore(folders.stored, entries);
    if (iconsOffFirst) RunKelvoIconsOff(result.iconsOff);
    RunKelvo(samples, folders, entries);
    // The same lists again: OK stored the desktop folder's entries.
    SeedStore(folders.stored, entries);
    if (!iconsOffFirst) RunKelvoIconsOff(result.iconsOff);
    RunKelvoRested(samples, entries);
    samples[kStartUpReads].push_back(TimeStartUpReads(folders, entries));
    samples[kPlainWrites].push_back(TimePlainWrites(folders, entries));
    samples[kStagedWrites].push_back(TimeStagedWrites(folders, entries, false));
    samples[kReadsAndWrites].push_back(TimeStagedWrites(folders, entries, true));
}

SizeResult MeasureSize(const Fixture& fixture, int entries, int runs) {
    const Folders folders{fixture.StoredFolder(entries), fixture.UseDesktopFolder(entries)};
    SizeResult result{entries, runs, {}, {}, {}};
    for (int run = 1; run <= runs; ++run) {
        // Each goes first in every other run.
        const bool bareFirst = run % 2 == 1;
        if (bareFirst) MeasureBare(result.bare);
        MeasureKelvo(result, folders, entries, run % 4 >= 2);
        if (!bareFirst) MeasureBare(result.bare);
        std::printf("%d entries, run %d of %d\n  KelvoTop: %s\n  icons off: %s\n  bare: %s\n", entries, run, runs,
                    LastSamples(result.kelvo).c_str(), LastSamples(result.iconsOff).c_str(),
                    LastSamples(result.bare).c_str());
        std::fflush(stdout);
    }
    return result;
}

}  // namespace

}  // namespace kelvo::bench

int wmain(int argc, wchar_t** argv) {
    using namespace kelvo::bench;
    if (argc < 3) {
        std::fprintf(stderr, "usage: compare_probe <fixture folder> <entries per list>:<runs>...\n");
        return 2;
    }
    try {
        const Fixture fixture(argv[1]);
        std::vector<SizeResult> results;
        for (int arg = 2; arg < argc; ++arg) {
            const std::wstring size = argv[arg];
            const std::size_t colon = size.find(L':');
            const int runs = colon == std::wstring::npos ? 1 : _wtoi(size.c_str() + colon + 1);
            results.push_back(MeasureSize(fixture, _wtoi(size.c_str()), runs));
        }
        PrintTable(results, kShowings);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "compare_probe: %s\n", error.what());
        return 1;
    }
    return 0;
}
