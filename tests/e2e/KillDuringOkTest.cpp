#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "E2eSupport.h"

namespace kelvo::e2e {
namespace {

constexpr int kEntries = 1000;
// Every tenth stored file is missing: the views leave it out, so OK stores a
// shorter list in which every key from the tenth on changes.
constexpr int kMissingEvery = 10;
constexpr int kKillPoints = 30;
// Kills as soon as a save is seen under way, and a little after: they land
// inside a save however differently the timed run and the later ones ran.
constexpr int kKillsInASave = 5;

// One stored list as it is before OK and as OK stores it.
struct ListCase {
    const wchar_t* section;
    std::vector<std::wstring> before;
    std::vector<std::wstring> after;
};

std::vector<std::wstring> Terminated(std::vector<std::wstring> values) {
    values.push_back(L"Done");
    return values;
}

// Both lists of 1,000 entries, with the program resident.
class KillDuringOkTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (ListCase& list : lists) {
            const std::wstring prefix = list.section;
            for (int i = 1; i <= kEntries; ++i) {
                const std::wstring name = prefix + std::to_wstring(i) + L".txt";
                list.before.push_back(folder.ChoiceFor(name));
                if (i % kMissingEvery == 0) continue;
                folder.AddFile(name);
                list.after.push_back(folder.ChoiceFor(name));
            }
        }
        SeedBefore();
        Start();
    }

    void SeedBefore() {
        ClearStore();
        for (const ListCase& list : lists) StoreList(list.section, list.before);
    }
    void Start() {
        kelvo = std::make_unique<KelvoProcess>();
        tray = kelvo->WaitUntilResident();
        ASSERT_NE(tray, nullptr);
    }
    // Opens the settings window, whose views then hold the stored files
    // that exist.
    void OpenSettings() {
        settings = ChooseProperties(tray, kelvo->Id());
        ASSERT_NE(settings, nullptr);
        ok = ChildWithText(settings, L"OK");
        ASSERT_NE(ok, nullptr);
    }
    static bool StagingLeft() {
        return StoredSectionExists(L"Custom.saving") || StoredSectionExists(L"Desktop.saving");
    }
    // Clicks OK and watches the saves to their end: the milliseconds from
    // the click to the first and the last moment a list was being saved.
    std::pair<ULONGLONG, ULONGLONG> TimeTheSaves() const {
        const ULONGLONG click = GetTickCount64();
        ClickButton(ok);
        ULONGLONG first = 0;
        ULONGLONG last = 0;
        bool desktopSeen = false;
        for (bool seen = false; !(desktopSeen && !seen) && GetTickCount64() - click < 60000; Sleep(1)) {
            const bool saving = StagingLeft();
            if (saving && first == 0) first = GetTickCount64() - click;
            if (saving) last = GetTickCount64() - click;
            desktopSeen = desktopSeen || StoredSectionExists(L"Desktop.saving");
            seen = saving;
        }
        return {first, last};
    }
    // Clicks OK and kills the program `delay` ms after one of its saves is
    // seen under way (or after 60 s when none is).
    void KillDuringASave(ULONGLONG delay) {
        ClickButton(ok);
        const ULONGLONG click = GetTickCount64();
        while (!StagingLeft() && GetTickCount64() - click < 60000) Sleep(1);
        Sleep(static_cast<DWORD>(delay));
        kelvo->Kill();
    }
    bool Reads(bool asAfter) const {
        for (const ListCase& list : lists) {
            if (StoredList(list.section) != Terminated(asAfter ? list.after : list.before)) return false;
        }
        return true;
    }

    FixtureFolder folder;
    ListCase lists[2] = {{L"Custom", {}, {}}, {L"Desktop", {}, {}}};
    std::unique_ptr<KelvoProcess> kelvo;
    HWND tray = nullptr;
    // Made when Properties first opens it.
    HWND settings = nullptr;
    HWND ok = nullptr;
};

TEST_F(KillDuringOkTest, EachListReadsBackOldOrNewAfterAKillAtAnyPointOfOk) {
    // When the saves run here, so that the kills spread over them, a little
    // before and after included.
    OpenSettings();
    const auto [first, last] = TimeTheSaves();
    ASSERT_TRUE(WaitUntil([&] { return Reads(true) && !StagingLeft(); }));
    ASSERT_LT(first, last);
    const ULONGLONG margin = (last - first) / 8;
    const ULONGLONG earliest = first > margin ? first - margin : 0;
    const ULONGLONG span = last + margin - earliest;

    int killsInsideASave = 0;
    int listsMixedUntilRestart = 0;
    int listsOld = 0;
    int listsNew = 0;
    int listsLost = 0;
    for (int point = 0; point < kKillPoints + kKillsInASave; ++point) {
        SCOPED_TRACE("kill point " + std::to_string(point));
        SeedBefore();
        OpenSettings();
        if (point < kKillPoints) {
            ClickButton(ok);
            Sleep(static_cast<DWORD>(earliest + span * point / (kKillPoints - 1)));
            kelvo->Kill();
        } else {
            KillDuringASave((last - first) * (point - kKillPoints) / (2 * kKillsInASave));
        }
        killsInsideASave += StagingLeft();
        for (const ListCase& list : lists) {
            const std::vector<std::wstring> stored = StoredList(list.section);
            listsMixedUntilRestart += stored != Terminated(list.before) && stored != Terminated(list.after);
        }

        Start();
        for (const ListCase& list : lists) {
            const std::vector<std::wstring> stored = StoredList(list.section);
            listsOld += stored == Terminated(list.before);
            listsNew += stored == Terminated(list.after);
            listsLost += stored != Terminated(list.before) && stored != Terminated(list.after);
        }
        EXPECT_FALSE(StagingLeft());
    }
    std::printf("Saves of 2 x %d entries from %llu to %llu ms after OK; %d kill points from %llu to %llu ms and "
                "%d in a save seen under way, %d inside a save, %d lists mixed until the restart; after it %d lists "
                "old, %d new, %d lost\n",
                kEntries, first, last, kKillPoints, earliest, earliest + span, kKillsInASave, killsInsideASave,
                listsMixedUntilRestart, listsOld, listsNew, listsLost);
    EXPECT_EQ(listsLost, 0);
    // The kills did land inside the saves, where only the restart mends a list.
    EXPECT_GT(killsInsideASave, 0);
}

}  // namespace
}  // namespace kelvo::e2e
