#pragma once
// Cases every settings store must pass, the fake and the registry alike.
// Include in exactly one source file of a test program and instantiate with
// INSTANTIATE_TEST_SUITE_P(Name, SettingsStoreContract,
// ::testing::Values(SettingsStoreMaker{...}), SettingsStoreMakerName).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <thread>

#include "platform/SettingsStore.h"

namespace kelvo {
inline void PrintTo(const StoredValue& value, std::ostream* out) {
    const char* kinds[] = {"absent", "text", "unreadable"};
    *out << kinds[static_cast<int>(value.kind)];
    if (value.kind == StoredValue::Kind::Text) *out << " \"" << value.text.substr(0, 80) << '"';
}
}  // namespace kelvo

namespace kelvo::contract {

// Makes a fresh, empty store of one implementation, and puts a value that
// is not text into it, as another program may.
struct SettingsStoreMaker {
    std::string name;
    std::function<std::unique_ptr<SettingsStore>()> make;
    std::function<void(SettingsStore&, const std::string& section, const std::string& key)> putNonText;
    // Makes a section that the store has not opened yet unreadable to it,
    // as a damaged or foreign-owned key is, or readable again; false when
    // this system cannot lock it.
    std::function<bool(SettingsStore&, const std::string& section, bool locked)> lockReads;
};

inline void PrintTo(const SettingsStoreMaker& maker, std::ostream* out) { *out << maker.name; }

inline std::string SettingsStoreMakerName(const ::testing::TestParamInfo<SettingsStoreMaker>& info) {
    return info.param.name;
}

class SettingsStoreContract : public ::testing::TestWithParam<SettingsStoreMaker> {
protected:
    void SetUp() override { store = GetParam().make(); }
    void TearDown() override { store.reset(); }
    StoredValue Get(const std::string& section, const std::string& key) { return store->Get(section, key); }
    std::unique_ptr<SettingsStore> store;
};

inline StoredValue Text(const std::string& text) { return StoredValue::Text(text); }

TEST_P(SettingsStoreContract, AbsentKeyIsAbsentAndIsNotCreated) {
    EXPECT_EQ(Get("Desktop", "MenuChoice1"), StoredValue::Absent());
    EXPECT_EQ(Get("Desktop", "MenuChoice1"), StoredValue::Absent());
    store->Put("Desktop", "MenuChoice1", "Done");
    EXPECT_EQ(Get("Desktop", "MenuChoice2"), StoredValue::Absent());
}

TEST_P(SettingsStoreContract, PutThenGetRoundTrips) {
    store->Put("Desktop", "MenuChoice1", "notepad.lnk%C:\\Windows\\Desktop\\%1");
    EXPECT_EQ(Get("Desktop", "MenuChoice1"), Text("notepad.lnk%C:\\Windows\\Desktop\\%1"));
}

TEST_P(SettingsStoreContract, EmptyValueIsStoredNotAbsent) {
    store->Put("Custom", "MenuChoice1", "");
    EXPECT_EQ(Get("Custom", "MenuChoice1"), Text(""));
}

TEST_P(SettingsStoreContract, SectionAndKeyMatchWithoutRegardToCase) {
    store->Put("Desktop", "MenuChoice1", "a");
    EXPECT_EQ(Get("DESKTOP", "menuchoice1"), Text("a"));
    store->Put("desktop", "MENUCHOICE1", "b");
    EXPECT_EQ(Get("Desktop", "MenuChoice1"), Text("b"));
}

TEST_P(SettingsStoreContract, SectionsAndKeysAreSeparate) {
    store->Put("Desktop", "MenuChoice1", "d1");
    store->Put("Custom", "MenuChoice1", "c1");
    store->Put("Custom", "MenuChoice2", "c2");
    EXPECT_EQ(Get("Desktop", "MenuChoice1"), Text("d1"));
    EXPECT_EQ(Get("Custom", "MenuChoice1"), Text("c1"));
    EXPECT_EQ(Get("Custom", "MenuChoice2"), Text("c2"));
    EXPECT_EQ(Get("Desktop", "MenuChoice2"), StoredValue::Absent());
}

TEST_P(SettingsStoreContract, UnicodeValueRoundTrips) {
    const std::string value = "\xC3\x9C" "berblick \xE2\x80\x93 \xE6\x97\xA5\xE6\x9C\xAC.txt%C:\\\xC3\x9C\\%1";
    store->Put("Custom", "MenuChoice1", value);
    EXPECT_EQ(Get("Custom", "MenuChoice1"), Text(value));
}

TEST_P(SettingsStoreContract, OverwriteReplacesTheValue) {
    store->Put("Custom", "MenuChoice1", "a much longer first value%C:\\long\\folder\\%1");
    store->Put("Custom", "MenuChoice1", "Done");
    EXPECT_EQ(Get("Custom", "MenuChoice1"), Text("Done"));
}

TEST_P(SettingsStoreContract, LongValuesRoundTrip) {
    // 32,767 characters: the longest path Windows knows.
    for (const std::string& value : {std::string(3000, 'n') + "%C:\\" + std::string(1000, 'd') + "\\%1",
                                     std::string(32767, 'x')}) {
        store->Put("Desktop", "MenuChoice7", value);
        EXPECT_EQ(Get("Desktop", "MenuChoice7"), Text(value)) << value.size();
    }
}

TEST_P(SettingsStoreContract, ValueThatIsNotTextIsUnreadableUntilOverwritten) {
    store->Put("Desktop", "MenuChoice1", "a");
    GetParam().putNonText(*store, "Desktop", "MenuChoice2");
    EXPECT_EQ(Get("Desktop", "MenuChoice2"), StoredValue::Unreadable());
    EXPECT_EQ(Get("Desktop", "MenuChoice1"), Text("a"));
    store->Put("Desktop", "MenuChoice2", "Done");
    EXPECT_EQ(Get("Desktop", "MenuChoice2"), Text("Done"));
}

// A list that cannot be read must never be taken for one that is not there:
// its reader would write a terminator over it.
TEST_P(SettingsStoreContract, SectionThatCannotBeReadThrowsInsteadOfReadingAbsent) {
    GetParam().putNonText(*store, "Custom", "MenuChoice1");
    if (!GetParam().lockReads(*store, "Custom", true)) GTEST_SKIP() << "this system does not lock keys";
    EXPECT_ANY_THROW(Get("Custom", "MenuChoice1"));
    EXPECT_ANY_THROW(Get("Custom", "MenuChoice2"));
    GetParam().lockReads(*store, "Custom", false);
    EXPECT_EQ(Get("Custom", "MenuChoice1"), StoredValue::Unreadable());
    EXPECT_EQ(Get("Custom", "MenuChoice2"), StoredValue::Absent());
}

TEST_P(SettingsStoreContract, DeletedSectionLosesItsKeysAndCanBeWrittenAgain) {
    store->Put("Desktop.saving", "MenuChoice1", "a");
    store->Put("Desktop.saving", "Complete", "1");
    store->Put("Desktop", "MenuChoice1", "kept");
    EXPECT_TRUE(store->HasSection("desktop.SAVING"));
    store->DeleteSection("DESKTOP.saving");
    EXPECT_FALSE(store->HasSection("Desktop.saving"));
    EXPECT_TRUE(store->HasSection("Desktop"));
    EXPECT_EQ(Get("Desktop.saving", "MenuChoice1"), StoredValue::Absent());
    EXPECT_EQ(Get("Desktop.saving", "Complete"), StoredValue::Absent());
    EXPECT_EQ(Get("Desktop", "MenuChoice1"), Text("kept"));
    store->Put("Desktop.saving", "MenuChoice1", "b");
    EXPECT_EQ(Get("Desktop.saving", "MenuChoice1"), Text("b"));
}

TEST_P(SettingsStoreContract, DeletingAnAbsentSectionDoesNothing) {
    store->DeleteSection("Custom");
    EXPECT_FALSE(store->HasSection("Custom"));
    EXPECT_EQ(Get("Custom", "MenuChoice1"), StoredValue::Absent());
}

// The two stores are used at once, each on its own thread, as start-up reads
// the two lists; what either one writes, both read.
TEST_P(SettingsStoreContract, StoreForAnotherThreadSharesTheValues) {
    const std::unique_ptr<SettingsStore> other = store->OpenForOtherThread();
    if (!other) GTEST_SKIP() << "this store offers no second one";
    constexpr int kValues = 200;
    const auto fill = [](SettingsStore& into, const std::string& section) {
        for (int i = 1; i <= kValues; ++i) {
            into.Put(section, "MenuChoice" + std::to_string(i), section + std::to_string(i));
            EXPECT_EQ(into.Get(section, "MenuChoice" + std::to_string(i)), Text(section + std::to_string(i)));
        }
    };
    std::thread worker(fill, std::ref(*other), std::string("Desktop"));
    fill(*store, "Custom");
    worker.join();
    for (int i = 1; i <= kValues; ++i) {
        EXPECT_EQ(Get("Desktop", "MenuChoice" + std::to_string(i)), Text("Desktop" + std::to_string(i)));
        EXPECT_EQ(other->Get("Custom", "MenuChoice" + std::to_string(i)), Text("Custom" + std::to_string(i)));
    }
}

}  // namespace kelvo::contract
