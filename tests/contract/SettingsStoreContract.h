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

#include "platform/SettingsStore.h"

namespace kelvo::contract {

// Makes a fresh, empty store of one implementation.
struct SettingsStoreMaker {
    std::string name;
    std::function<std::unique_ptr<SettingsStore>()> make;
};

inline void PrintTo(const SettingsStoreMaker& maker, std::ostream* out) { *out << maker.name; }

inline std::string SettingsStoreMakerName(const ::testing::TestParamInfo<SettingsStoreMaker>& info) {
    return info.param.name;
}

class SettingsStoreContract : public ::testing::TestWithParam<SettingsStoreMaker> {
protected:
    void SetUp() override { store = GetParam().make(); }
    void TearDown() override { store.reset(); }
    std::unique_ptr<SettingsStore> store;
};

TEST_P(SettingsStoreContract, AbsentKeyGivesTheFallbackAndIsNotCreated) {
    EXPECT_EQ(store->Get("Desktop", "MenuChoice1", "Done"), "Done");
    EXPECT_EQ(store->Get("Desktop", "MenuChoice1", "other"), "other");
}

TEST_P(SettingsStoreContract, PutThenGetRoundTrips) {
    store->Put("Desktop", "MenuChoice1", "notepad.lnk%C:\\Windows\\Desktop\\%1");
    EXPECT_EQ(store->Get("Desktop", "MenuChoice1", "Done"), "notepad.lnk%C:\\Windows\\Desktop\\%1");
}

TEST_P(SettingsStoreContract, EmptyValueIsStoredNotAbsent) {
    store->Put("Custom", "MenuChoice1", "");
    EXPECT_EQ(store->Get("Custom", "MenuChoice1", "Done"), "");
}

TEST_P(SettingsStoreContract, SectionAndKeyMatchWithoutRegardToCase) {
    store->Put("Desktop", "MenuChoice1", "a");
    EXPECT_EQ(store->Get("DESKTOP", "menuchoice1", "x"), "a");
    store->Put("desktop", "MENUCHOICE1", "b");
    EXPECT_EQ(store->Get("Desktop", "MenuChoice1", "x"), "b");
}

TEST_P(SettingsStoreContract, SectionsAndKeysAreSeparate) {
    store->Put("Desktop", "MenuChoice1", "d1");
    store->Put("Custom", "MenuChoice1", "c1");
    store->Put("Custom", "MenuChoice2", "c2");
    EXPECT_EQ(store->Get("Desktop", "MenuChoice1", "x"), "d1");
    EXPECT_EQ(store->Get("Custom", "MenuChoice1", "x"), "c1");
    EXPECT_EQ(store->Get("Custom", "MenuChoice2", "x"), "c2");
    EXPECT_EQ(store->Get("Desktop", "MenuChoice2", "x"), "x");
}

TEST_P(SettingsStoreContract, UnicodeValueRoundTrips) {
    const std::string value = "\xC3\x9C" "berblick \xE2\x80\x93 \xE6\x97\xA5\xE6\x9C\xAC.txt%C:\\\xC3\x9C\\%1";
    store->Put("Custom", "MenuChoice1", value);
    EXPECT_EQ(store->Get("Custom", "MenuChoice1", "Done"), value);
}

TEST_P(SettingsStoreContract, OverwriteReplacesTheValue) {
    store->Put("Custom", "MenuChoice1", "a much longer first value%C:\\long\\folder\\%1");
    store->Put("Custom", "MenuChoice1", "Done");
    EXPECT_EQ(store->Get("Custom", "MenuChoice1", "x"), "Done");
}

TEST_P(SettingsStoreContract, LongValueRoundTrips) {
    const std::string value = std::string(3000, 'n') + "%C:\\" + std::string(1000, 'd') + "\\%1";
    store->Put("Desktop", "MenuChoice7", value);
    EXPECT_EQ(store->Get("Desktop", "MenuChoice7", "Done"), value);
}

}  // namespace kelvo::contract
