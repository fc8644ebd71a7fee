#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeListView.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/TestData.h"
#include "store/ChoiceWriter.h"
#include "store/Choices.h"
#include "store/ListCommit.h"

namespace kelvo {
namespace {

// OK over stored lists that differ from the views in every way that
// matters: the custom list gets shorter and holds a value that is not text,
// the desktop list gets longer, and some entries stay where they were.
class ListCommitTest : public ::testing::Test {
protected:
    ListCommitTest() {
        for (const ListEntry& entry : customAfter) customView.Append(ListRow{entry.name, entry.location, ""});
        for (const ListEntry& entry : desktopAfter) desktopView.Append(ListRow{entry.name, entry.location, ""});
        FakeSettingsStore dryRun;
        Seed(dryRun);
        SaveBoth(dryRun);
        writesOfOk = dryRun.WriteCount();
    }

    static void Seed(FakeSettingsStore& store) {
        SeedList(store, kCustomSection, NumberedEntries(5, "c", "Old"));
        store.SeedUnreadable(kCustomSection, ChoiceKey(2));
        SeedList(store, kDesktopSection, NumberedEntries(2, "d", "Desk"));
    }
    void SaveBoth(FakeSettingsStore& store) {
        customSaved = SaveCustomChoices(store, customView).has_value();
        desktopSaved = SaveDesktopChoices(store, desktopView).has_value();
    }
    static StoredList Before(const char* section) {
        FakeSettingsStore store;
        Seed(store);
        return ReadList(store, section);
    }
    StoredList After(const char* section) const {
        return {section == kCustomSection ? customAfter : desktopAfter,
                static_cast<int>((section == kCustomSection ? customAfter : desktopAfter).size())};
    }
    bool ReadsOldOrNew(FakeSettingsStore& store, const char* section) const {
        const StoredList read = ReadList(store, section);
        return read == Before(section) || read == After(section);
    }
    // Each list reads back whole, old or new; where `isNew` is given for a
    // list, it tells which.
    void ExpectOldOrNew(FakeSettingsStore& store, const bool* customNew, const bool* desktopNew) const {
        for (const char* section : {kCustomSection, kDesktopSection}) {
            SCOPED_TRACE(section);
            EXPECT_TRUE(ReadsOldOrNew(store, section));
            const bool* isNew = section == kCustomSection ? customNew : desktopNew;
            if (isNew) {
                EXPECT_EQ(ReadList(store, section), *isNew ? After(section) : Before(section));
            }
        }
    }

    const std::vector<ListEntry> customAfter{MakeEntry("c3.txt", "C:\\Old\\"), MakeEntry("50% new.txt", "E:\\")};
    const std::vector<ListEntry> desktopAfter{MakeEntry("d1.txt", "C:\\Desk\\"), MakeEntry("x.txt", "C:\\x%y\\"),
                                              MakeEntry("d2.txt", "C:\\Desk\\"), MakeEntry("y.txt", "D:\\")};
    FakeListView customView;
    FakeListView desktopView;
    bool customSaved = false;
    bool desktopSaved = false;
    int writesOfOk = 0;
};

TEST_F(ListCommitTest, UninterruptedOkStoresBothListsAndLeavesNothingBeside) {
    FakeSettingsStore store;
    Seed(store);
    SaveBoth(store);
    EXPECT_TRUE(customSaved);
    EXPECT_TRUE(desktopSaved);
    ExpectOldOrNew(store, &customSaved, &desktopSaved);
    EXPECT_EQ(store.Sections(), (std::vector<std::string>{kCustomSection, kDesktopSection}));
}

TEST_F(ListCommitTest, EachRefusedWriteLeavesEachListOldOrNewAsReported) {
    for (int refused = 1; refused <= writesOfOk; ++refused) {
        SCOPED_TRACE("write " + std::to_string(refused) + " of " + std::to_string(writesOfOk) + " refused");
        FakeSettingsStore store;
        Seed(store);
        store.refuses = [refused](int n) { return n == refused; };
        SaveBoth(store);
        ExpectOldOrNew(store, &customSaved, &desktopSaved);
        // The next start may finish a save whose staging could not be
        // removed; it still reads whole.
        EXPECT_EQ(FinishInterruptedSaves(store), ListFailures{});
        ExpectOldOrNew(store, nullptr, nullptr);
        EXPECT_EQ(store.Sections(), (std::vector<std::string>{kCustomSection, kDesktopSection}));
    }
}

// A kill before write k: that write and every later one never happen.
TEST_F(ListCommitTest, KillAtEveryWriteLeavesEachListOldOrNewAfterTheNextStart) {
    int mixedUntilStart = 0;
    for (int killed = 1; killed <= writesOfOk + 1; ++killed) {
        SCOPED_TRACE("killed before write " + std::to_string(killed));
        FakeSettingsStore store;
        Seed(store);
        store.refuses = [killed](int n) { return n >= killed; };
        SaveBoth(store);
        store.refuses = nullptr;
        for (const char* section : {kCustomSection, kDesktopSection}) {
            FakeSettingsStore asKilled = store;
            mixedUntilStart += !ReadsOldOrNew(asKilled, section);
        }
        EXPECT_EQ(FinishInterruptedSaves(store), ListFailures{});
        ExpectOldOrNew(store, nullptr, nullptr);
        if (killed > writesOfOk) ExpectOldOrNew(store, &customSaved, &desktopSaved);
    }
    // The kills did land inside the copies, where only the start mends the lists.
    EXPECT_GT(mixedUntilStart, 0);
}

TEST_F(ListCommitTest, StartDropsAStagingSectionThatIsNotMarkedWhole) {
    struct Case {
        const char* what;
        const char* marker;  // nullptr: none
        int stagedEntries;
        bool terminated;
    };
    const Case cases[] = {{"no keys at all", nullptr, 0, false},
                          {"no marker", nullptr, 2, true},
                          {"marker not a count", "two", 2, true},
                          {"negative count", "-1", 2, true},
                          {"more entries marked than staged", "3", 2, true},
                          {"no terminator", "2", 2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSettingsStore store;
        Seed(store);
        const std::string staging = StagingSection(kDesktopSection);
        store.SeedSection(staging);
        for (int k = 1; k <= c.stagedEntries; ++k) store.Seed(staging, ChoiceKey(k), "s.txt%C:\\%1");
        if (c.terminated) store.Seed(staging, ChoiceKey(c.stagedEntries + 1), "Done");
        if (c.marker) store.Seed(staging, "Complete", c.marker);
        EXPECT_EQ(FinishInterruptedSaves(store), ListFailures{});
        EXPECT_EQ(ReadList(store, kDesktopSection), Before(kDesktopSection));
        EXPECT_EQ(store.Sections(), (std::vector<std::string>{kCustomSection, kDesktopSection}));
    }
}

TEST_F(ListCommitTest, StartFinishesAMarkedStagingSectionOverAMixedList) {
    FakeSettingsStore store;
    Seed(store);
    const std::string staging = StagingSection(kCustomSection);
    store.Seed(staging, ChoiceKey(1), "n1.txt%C:\\%1");
    store.Seed(staging, ChoiceKey(2), "Done");
    store.Seed(staging, "Complete", "1");
    store.Seed(kCustomSection, ChoiceKey(1), "n1.txt%C:\\%1");  // copied when the kill came
    EXPECT_EQ(FinishInterruptedSaves(store), ListFailures{});
    EXPECT_EQ(ReadList(store, kCustomSection), (StoredList{{MakeEntry("n1.txt", "C:\\")}, 1}));
    EXPECT_EQ(store.Sections(), (std::vector<std::string>{kCustomSection, kDesktopSection}));
}

TEST_F(ListCommitTest, StoreThatRefusesEverythingKeepsTheListsAndSaysSo) {
    FakeSettingsStore store;
    Seed(store);
    store.refuses = [](int) { return true; };
    SaveBoth(store);
    EXPECT_FALSE(customSaved);
    EXPECT_FALSE(desktopSaved);
    // No save was left behind: the start has nothing to write.
    EXPECT_EQ(FinishInterruptedSaves(store), ListFailures{});
    store.refuses = nullptr;
    ExpectOldOrNew(store, &customSaved, &desktopSaved);
}

// OK after editing one list leaves the other alone: a list that already
// reads as the values is not written, not even staged.
TEST(CommitOfAnUnchangedList, WritesOnlyWhenAKeyOfTheListDiffers) {
    const std::vector<std::string> values{"a.txt%C:\\%1", "b.txt%D:\\x\\%1"};
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> stored;  // key number, value
        bool writes;
    };
    const Case cases[] = {
        {"the same list", {{"1", values[0]}, {"2", values[1]}, {"3", "Done"}}, false},
        {"the same list, old keys after its terminator", {{"1", values[0]}, {"2", values[1]}, {"3", "Done"}, {"4", "x%C:\\%1"}}, false},
        {"no terminator", {{"1", values[0]}, {"2", values[1]}}, true},
        {"a longer list", {{"1", values[0]}, {"2", values[1]}, {"3", "c.txt%C:\\%1"}, {"4", "Done"}}, true},
        {"two entries swapped", {{"1", values[1]}, {"2", values[0]}, {"3", "Done"}}, true},
        {"nothing stored", {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSettingsStore store;
        for (const auto& [key, value] : c.stored) store.Seed(kCustomSection, "MenuChoice" + key, value);
        EXPECT_TRUE(CommitList(store, kCustomSection, values));
        EXPECT_EQ(store.WriteCount() > 0, c.writes);
        EXPECT_EQ(ReadList(store, kCustomSection),
                  (StoredList{{MakeEntry("a.txt", "C:\\"), MakeEntry("b.txt", "D:\\x\\")}, 2}));
        EXPECT_EQ(store.Keys(StagingSection(kCustomSection)), std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace kelvo
