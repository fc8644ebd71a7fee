#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "fakes/FakeListView.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/TestData.h"
#include "store/ChoiceReader.h"
#include "store/ChoiceWriter.h"
#include "store/Choices.h"

namespace kelvo {
namespace {

TEST(ReadChoice, AbsentKeyGivesTheDefaultAndCreatesIt) {
    FakeSettingsStore store;
    EXPECT_EQ(ReadChoice(store, "Custom", "MenuChoice1", "Done"), "Done");
    EXPECT_EQ(store.Value("Custom", "MenuChoice1"), "Done");
}

TEST(ReadChoice, ValueMatchingTheDefaultLooselyIsRewrittenAsTheDefault) {
    struct Case {
        std::string stored;
        std::string afterwards;
        int writes;
    };
    for (const Case& c : {Case{"  done ", "Done", 1}, Case{"DONE", "Done", 1}, Case{"Done", "Done", 1},
                          Case{"Done.lnk%C:\\%1", "Done.lnk%C:\\%1", 0}, Case{"Don e", "Don e", 0},
                          Case{"", "", 0}}) {
        FakeSettingsStore store;
        store.Seed("Desktop", "MenuChoice1", c.stored);
        // The value comes back as read, untrimmed.
        EXPECT_EQ(ReadChoice(store, "Desktop", "MenuChoice1", "Done"), c.stored);
        EXPECT_EQ(store.Value("Desktop", "MenuChoice1"), c.afterwards) << "stored '" << c.stored << "'";
        EXPECT_EQ(store.PutCount(), c.writes);
    }
}

TEST(ParseChoice, MissingFieldsReadAsEmpty) {
    struct Case {
        std::string value;
        ListEntry entry;
    };
    for (const Case& c : {Case{"a.txt%C:\\X\\%1", {"a.txt", "C:\\X\\", "C:\\X\\a.txt"}},
                          Case{"a.txt%C:\\X\\", {"a.txt", "C:\\X\\", "C:\\X\\a.txt"}},
                          Case{"a.txt", {"a.txt", "", "a.txt"}}, Case{"", {"", "", ""}},
                          Case{"a.txt%C:\\X%1", {"a.txt", "C:\\X", "C:\\Xa.txt"}}}) {
        EXPECT_EQ(ParseChoice(c.value), c.entry) << c.value;
    }
}

TEST(ReadList, StopsAtTheExactTerminatorOnly) {
    FakeSettingsStore store;
    store.Seed("Custom", "MenuChoice1", "a.txt%C:\\%1");
    store.Seed("Custom", "MenuChoice2", " done ");
    store.Seed("Custom", "MenuChoice3", "Done");
    store.Seed("Custom", "MenuChoice4", "never.txt%C:\\%1");
    StoredList list = ReadList(store, "Custom");
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list.entries[0], MakeEntry("a.txt", "C:\\"));
    EXPECT_EQ(list.entries[1].name, " done ");
    // The loose terminator was rewritten, so the next read stops there.
    EXPECT_EQ(ReadList(store, "Custom").count, 1);
}

TEST(ReadList, EmptyStoreGivesNoEntriesAndCreatesTheTerminator) {
    FakeSettingsStore store;
    EXPECT_EQ(ReadList(store, "Desktop").count, 0);
    EXPECT_EQ(store.Keys("Desktop"), std::vector<std::string>{"MenuChoice1"});
    EXPECT_EQ(store.Value("Desktop", "MenuChoice1"), "Done");
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
    SaveCustomChoices(store, view);
    EXPECT_EQ(store.Value("Custom", "MenuChoice1"), "new1%D:\\%1");
    EXPECT_EQ(store.Value("Custom", "MenuChoice3"), "new3%D:\\%1");
    EXPECT_EQ(store.Value("Custom", "MenuChoice4"), "Done");
    EXPECT_EQ(store.Value("Custom", "MenuChoice5"), "old5.txt%C:\\Old\\%1");
    EXPECT_EQ(store.Value("Custom", "MenuChoice6"), "stale%C:\\%1");
    EXPECT_EQ(ReadList(store, "Custom").count, 3);
}

TEST_F(SaveListTest, EmptyViewWritesOnlyTheTerminator) {
    SaveDesktopChoices(store, view);
    EXPECT_EQ(store.Keys("Desktop"), std::vector<std::string>{"MenuChoice1"});
    EXPECT_EQ(store.Value("Desktop", "MenuChoice1"), "Done");
    EXPECT_TRUE(store.Keys("Custom").empty());
}

TEST_F(SaveListTest, WrittenListReadsBackUnchanged) {
    view.Append(ListRow{"\xC3\x9C" "berblick.txt", "C:\\\xE6\x97\xA5\\", "x"});
    view.Append(ListRow{"50%.txt", "E:\\", "y"});
    SaveDesktopChoices(store, view);
    StoredList list = ReadList(store, "Desktop");
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list.entries[0], MakeEntry("\xC3\x9C" "berblick.txt", "C:\\\xE6\x97\xA5\\"));
    // No escaping: a "%" in a name splits the value at the wrong place.
    EXPECT_EQ(store.Value("Desktop", "MenuChoice2"), "50%.txt%E:\\%1");
    EXPECT_EQ(list.entries[1].name, "50");
}

// A store whose write of one key fails, once.
class FailingStore : public FakeSettingsStore {
public:
    void Put(const std::string& section, const std::string& key, const std::string& value) override {
        if (key == failingKey) {
            failingKey.clear();
            throw std::runtime_error("store write failed");
        }
        FakeSettingsStore::Put(section, key, value);
    }
    std::string failingKey;
};

TEST_F(SaveListTest, FailedWriteEndsTheListWhereItStands) {
    FailingStore failing;
    failing.failingKey = "MenuChoice3";
    AddRows(5);
    SaveCustomChoices(failing, view);
    EXPECT_EQ(failing.Value("Custom", "MenuChoice2"), "new2%D:\\%1");
    EXPECT_EQ(failing.Value("Custom", "MenuChoice3"), "Done");
    EXPECT_EQ(failing.Value("Custom", "MenuChoice4"), std::nullopt);
}

}  // namespace
}  // namespace kelvo
