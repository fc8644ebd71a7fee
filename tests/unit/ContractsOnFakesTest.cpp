#include <memory>

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
                             "Fake", [] { return std::make_unique<FakeSettingsStore>(); }}),
                         SettingsStoreMakerName);

}  // namespace kelvo::contract
