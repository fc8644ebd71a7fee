#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/FakeListView.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/TestData.h"
#include "store/ChoiceReader.h"
#include "store/ChoiceWriter.h"
#include "store/Choices.h"

namespace kelvo {
namespace {

TEST(ReadChoice, WritesTheDefaultOnlyWhereNothingIsStored) {
    struct Case {
        const char* what;
        std::optional<std::string> stored;  // nullopt: a value that is not text
        bool absent;
        std::optional<std::string> read;
        int writes;
    };
    const Case cases[] = {
        {"absent", "", true, "Done", 1},
        {"terminator", "Done", false, "Done", 0},
        {"terminator with spaces", "  done ", false, "  done ", 0},
        {"terminator in capitals", "DONE", false, "DONE", 0},
        {"empty", "", false, "", 0},
        {"entry", "Done.lnk%C:\\%1", false, "Done.lnk%C:\\%1", 0},
        {"not text", std::nullopt, false, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSettingsStore store;
        if (!c.stored) store.SeedUnreadable("Desktop", "MenuChoice1");
        if (c.stored && !c.absent) store.Seed("Desktop", "MenuChoice1", *c.stored);
        // The value comes back as read, untrimmed.
        EXPECT_EQ(ReadChoice(store, "Desktop", "MenuChoice1", "Done"), c.read);
        EXPECT_EQ(store.WriteCount(), c.writes);
        EXPECT_EQ(store.Value("Desktop", "MenuChoice1"), c.absent ? "Done" : c.stored);
    }
}

TEST(ReadChoice, AbsentKeyReadsAsTheDefaultWhenTheStoreRefusesToCreateIt) {
    FakeSettingsStore store;
    store.refuses = [](int) { return true; };
    EXPECT_EQ(ReadChoice(store, "Custom", "MenuChoice1", "Done"), "Done");
    EXPECT_EQ(store.Value("Custom", "MenuChoice1"), std::nullopt);
}

struct ParseCase {
    const char* what;
    std::string value;
    std::string name;
    std::string location;
};

TEST(ParseChoice, ReadsEveryStoredValue) {
    const std::string longFolder = "C:\\" + std::string(100, 'd') + "% off\\";
    const std::string longName = std::string(32767 - longFolder.size() - 5, 'n') + "%x";
    const ParseCase cases[] = {
        {"written before", "notepad.lnk%C:\\Windows\\Desktop\\%1", "notepad.lnk", "C:\\Windows\\Desktop\\"},
        {"network folder", "a.txt%\\\\server\\share\\%1", "a.txt", "\\\\server\\share\\"},
        {"no flag", "a.txt%C:\\X\\", "a.txt", "C:\\X\\"},
        {"no location", "a.txt", "a.txt", ""},
        {"empty", "", "", ""},
        {"flag only", "%1", "", "1"},
        {"folder without backslash", "a.txt%C:\\X%1", "a.txt", "C:\\X"},
        {"relative folder", "a.txt%Docs\\%1", "a.txt", "Docs\\"},
        {"other flag", "a%b%c%d", "a", "b"},
        {"% in the name", "100% done.txt%C:\\Users\\me\\Desktop\\%1", "100% done.txt", "C:\\Users\\me\\Desktop\\"},
        {"% in the folder", "a.txt%C:\\50% off\\%1", "a.txt", "C:\\50% off\\"},
        {"% in both", "50%.txt%C:\\x%y\\%1", "50%.txt", "C:\\x%y\\"},
        {"% ending the name", "a%%D:\\%1", "a%", "D:\\"},
        {"%1 inside the folder", "n%C:\\a%1\\%1", "n", "C:\\a%1\\"},
        {"variable left unexpanded", "%TEMP%.txt%\\\\srv\\100%\\%1", "%TEMP%.txt", "\\\\srv\\100%\\"},
        // Without an absolute folder ending in "\" before the flag, the
        // value splits at every "%" as it always did.
        {"% and no folder", "50%.txt%E:\\X%1", "50", ".txt"},
        {"longest value", longName + "%" + longFolder + "%1", longName, longFolder},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ParseChoice(c.value), MakeEntry(c.name, c.location));
    }
    EXPECT_EQ(cases[std::size(cases) - 1].value.size(), 32767u);
}

TEST(IsAbsoluteLocation, OnlyADriveOrANetworkPrefix) {
    for (const char* location : {"C:\\", "z:\\Docs\\", "\\\\server\\share\\", "\\\\?\\C:\\long\\"}) {
        EXPECT_TRUE(IsAbsoluteLocation(location)) << location;
    }
    for (const char* location : {"", "Docs\\", "\\Docs\\", "C:Docs\\", "1:\\", ".\\", "C:"}) {
        EXPECT_FALSE(IsAbsoluteLocation(location)) << location;
    }
}

TEST(ReadList, StopsAtTheExactTerminatorOnlyAndWritesNothing) {
    FakeSettingsStore store;
    store.Seed("Custom", "MenuChoice1", "a.txt%C:\\%1");
    store.Seed("Custom", "MenuChoice2", " done %C:\\%1");
    store.Seed("Custom", "MenuChoice3", "Done");
    store.Seed("Custom", "MenuChoice4", "never.txt%C:\\%1");
    for (int read = 1; read <= 2; ++read) {
        StoredList list = ReadList(store, "Custom");
        ASSERT_EQ(list.count, 2);
        EXPECT_EQ(list.entries[0], MakeEntry("a.txt", "C:\\"));
        EXPECT_EQ(list.entries[1].name, " done ");
    }
    EXPECT_EQ(store.WriteCount(), 0);
}

TEST(ReadList, EmptyStoreGivesNoEntriesAndCreatesTheTerminator) {
    FakeSettingsStore store;
    EXPECT_EQ(ReadList(store, "Desktop").count, 0);
    EXPECT_EQ(store.Keys("Desktop"), std::vector<std::string>{"MenuChoice1"});
    EXPECT_EQ(store.Value("Desktop", "MenuChoice1"), "Done");
}

TEST(ReadList, UnusableEntriesArePassedOverAndCountedAndTheListGoesOn) {
    FakeSettingsStore store;
    store.Seed("Desktop", "MenuChoice1", "a.txt%C:\\%1");
    store.SeedUnreadable("Desktop", "MenuChoice2");
    store.Seed("Desktop", "MenuChoice3", "b.txt%Docs\\%1");
    store.Seed("Desktop", "MenuChoice4", "c.txt");
    store.Seed("Desktop", "MenuChoice5", "");
    store.Seed("Desktop", "MenuChoice6", "d.txt%\\\\srv\\s\\%1");
    store.Seed("Desktop", "MenuChoice7", "Done");
    StoredList list = ReadList(store, "Desktop");
    EXPECT_EQ(list.entries, (std::vector<ListEntry>{MakeEntry("a.txt", "C:\\"), MakeEntry("d.txt", "\\\\srv\\s\\")}));
    EXPECT_EQ(list.count, 6);
    EXPECT_EQ(store.WriteCount(), 0);
}

class SaveListTest : public ::testing::Test {
protected:
    void AddRows(int n) {
        for (int k = 1; k <= n; ++k) view.Append(ListRow{"new" + std::to_string(k), "D:\\", "dummy"});
    }
    FakeSettingsStore store;
    FakeListView view;
};

TEST_F(SaveListTest, ThreeWrittenOverFiveLeavesTheOldTail) {
    SeedList(store, "Custom", NumberedEntries(5, "old", "Old"));
    store.Seed("Custom", "MenuChoice6", "stale%C:\\%1");
    AddRows(3);
    EXPECT_TRUE(SaveCustomChoices(store, view));
    EXPECT_EQ(store.Value("Custom", "MenuChoice1"), "new1%D:\\%1");
    EXPECT_EQ(store.Value("Custom", "MenuChoice3"), "new3%D:\\%1");
    EXPECT_EQ(store.Value("Custom", "MenuChoice4"), "Done");
    EXPECT_EQ(store.Value("Custom", "MenuChoice5"), "old5.txt%C:\\Old\\%1");
    EXPECT_EQ(store.Value("Custom", "MenuChoice6"), "stale%C:\\%1");
    EXPECT_EQ(ReadList(store, "Custom").count, 3);
    // Nothing is left beside the list.
    EXPECT_EQ(store.Sections(), std::vector<std::string>{"Custom"});
}

TEST_F(SaveListTest, EmptyViewWritesOnlyTheTerminator) {
    EXPECT_TRUE(SaveDesktopChoices(store, view));
    EXPECT_EQ(store.Keys("Desktop"), std::vector<std::string>{"MenuChoice1"});
    EXPECT_EQ(store.Value("Desktop", "MenuChoice1"), "Done");
    EXPECT_EQ(store.Sections(), std::vector<std::string>{"Desktop"});
}

TEST_F(SaveListTest, WrittenListReadsBackUnchanged) {
    const std::vector<ListEntry> entries{MakeEntry("\xC3\x9C" "berblick.txt", "C:\\\xE6\x97\xA5\\"),
                                         MakeEntry("50%.txt", "E:\\"), MakeEntry("a.txt", "C:\\50% off\\"),
                                         MakeEntry("100% %1.txt", "\\\\srv\\x%y\\")};
    for (const ListEntry& entry : entries) view.Append(ListRow{entry.name, entry.location, "x"});
    EXPECT_TRUE(SaveDesktopChoices(store, view));
    EXPECT_EQ(ReadList(store, "Desktop").entries, entries);
    // Stored verbatim, as lists always were.
    EXPECT_EQ(store.Value("Desktop", "MenuChoice2"), "50%.txt%E:\\%1");
}

TEST_F(SaveListTest, OnlyChangedKeysOfTheListAreWritten) {
    SeedList(store, "Custom", {MakeEntry("new1", "D:\\"), MakeEntry("old", "D:\\")});
    AddRows(2);
    CallLog log;
    store.logTarget.log = &log;
    EXPECT_TRUE(SaveCustomChoices(store, view));
    std::vector<std::string> listWrites;
    for (const std::string& call : log) {
        if (call.starts_with("store.Put Custom ")) listWrites.push_back(call);
    }
    EXPECT_EQ(listWrites, std::vector<std::string>{"store.Put Custom MenuChoice2 new2%D:\\%1"});
}

TEST_F(SaveListTest, RowThatCannotBeReadKeepsTheStoredList) {
    struct BrokenView : FakeListView {
        ListRow Row(int k) const override {
            if (k == 2) throw std::runtime_error("row gone");
            return FakeListView::Row(k);
        }
    } broken;
    for (int k = 1; k <= 3; ++k) broken.Append(ListRow{"new" + std::to_string(k), "D:\\", ""});
    SeedList(store, "Custom", NumberedEntries(2, "old", "Old"));
    EXPECT_FALSE(SaveCustomChoices(store, broken));
    EXPECT_EQ(ReadList(store, "Custom").entries, NumberedEntries(2, "old", "Old"));
    EXPECT_EQ(store.WriteCount(), 0);
}

}  // namespace
}  // namespace kelvo
