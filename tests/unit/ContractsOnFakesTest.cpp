#include <memory>
#include <string>

#include "contract/ListViewContract.h"
#include "contract/SettingsStoreContract.h"
#include "fakes/FakeImageList.h"
#include "fakes/FakeListView.h"
#include "fakes/FakeSettingsStore.h"

namespace kelvo::contract {

INSTANTIATE_TEST_SUITE_P(Fake, ListViewContract,
                         ::testing::Values(ListViewMaker{
                             "Fake", [] { return std::make_unique<FakeListView>(); },
                             [] { return std::make_unique<FakeImageList>(); }}),
                         ListViewMakerName);

INSTANTIATE_TEST_SUITE_P(Fake, SettingsStoreContract,
                         ::testing::Values(SettingsStoreMaker{
                             "Fake",
                             [] {
                                 auto fake = std::make_unique<FakeSettingsStore>();
                                 fake->offersOtherThread = true;
                                 return fake;
                             },
                             [](SettingsStore& store, const std::string& section, const std::string& key) {
                                 static_cast<FakeSettingsStore&>(store).SeedUnreadable(section, key);
                             },
                             [](SettingsStore& store, const std::string& section, bool locked) {
                                 auto& fake = static_cast<FakeSettingsStore&>(store);
                                 fake.failsReads = nullptr;
                                 if (locked) {
                                     fake.failsReads = [section](const std::string& s, const std::string&) {
                                         return s == section;
                                     };
                                 }
                                 return true;
                             }}),
                         SettingsStoreMakerName);

}  // namespace kelvo::contract
