// The logic's own cost of the settings window's long operations with 1,000
// entries per list, against the in-memory fakes (the Windows side is
// measured by the Win32 benchmark under Wine).
#include <benchmark/benchmark.h>

#include "fakes/FakeDesktop.h"
#include "fakes/TestData.h"
#include "menus/MenuIds.h"
#include "app/Application.h"
#include "store/Choices.h"

namespace kelvo {
namespace {

constexpr int kEntries = 1000;

void Seed(FakeDesktop& desktop) {
    for (const char* section : {kDesktopSection, kCustomSection}) {
        auto entries = NumberedEntries(kEntries, section, section);
        SeedList(desktop.store, section, entries);
        for (const ListEntry& entry : entries) {
            desktop.files.Add(entry.FullPath());
            desktop.shell.Add(entry.FullPath(), {"Text Document", 5, 0});
        }
    }
    desktop.folders.desktop = "C:\\Desktop";
    auto& names = desktop.folders.contents[desktop.folders.desktop];
    for (int i = 1; i <= kEntries; ++i) names.push_back("File" + std::to_string(i) + ".TXT");
}

void BM_StartUp(benchmark::State& state) {
    for (auto _ : state) {
        FakeDesktop desktop;
        Seed(desktop);
        Application app(desktop.tray, desktop.sources, desktop);
        benchmark::DoNotOptimize(app.StartUp());
    }
}

void BM_OpenProperties(benchmark::State& state) {
    FakeDesktop desktop;
    Seed(desktop);
    Application app(desktop.tray, desktop.sources, desktop);
    app.StartUp();
    for (auto _ : state) {
        app.OnMenuCommand(kPropertiesId);
        desktop.settingsWindow.visible = false;
    }
}

void BM_LoadDeskTop(benchmark::State& state) {
    FakeDesktop desktop;
    Seed(desktop);
    Application app(desktop.tray, desktop.sources, desktop);
    app.StartUp();
    for (auto _ : state) app.OnSettingsCommand(SettingsCommand::LoadDeskTop);
}

void BM_PressOK(benchmark::State& state) {
    FakeDesktop desktop;
    Seed(desktop);
    Application app(desktop.tray, desktop.sources, desktop);
    app.StartUp();
    app.OnMenuCommand(kPropertiesId);
    for (auto _ : state) app.OnSettingsCommand(SettingsCommand::OK);
}

BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenProperties)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDeskTop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PressOK)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvo
