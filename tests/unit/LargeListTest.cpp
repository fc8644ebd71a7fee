#include <gtest/gtest.h>

#include "fakes/FakeDesktop.h"
#include "fakes/TestData.h"
#include "menus/MenuIds.h"
#include "app/Application.h"
#include "store/ChoiceReader.h"
#include "store/ChoiceWriter.h"
#include "store/Choices.h"

namespace kelvo {
namespace {

// Far beyond what 16-bit counters could hold.
constexpr int kEntries = 40000;

class LargeListTest : public ::testing::Test {
protected:
    LargeListTest() {
        for (const char* section : {kCustomSection, kDesktopSection}) {
            auto entries = NumberedEntries(kEntries, section, section);
            SeedList(desktop.store, section, entries);
            for (const ListEntry& entry : entries) desktop.files.Add(entry.FullPath());
        }
        desktop.store.logTarget.log = nullptr;
    }
    FakeDesktop desktop;
};

TEST_F(LargeListTest, ReadsBuildsOpensAndWritesEveryEntry) {
    EXPECT_EQ(ReadList(desktop.store, kCustomSection).count, kEntries);

    Application app(desktop.tray, desktop.sources, desktop);
    ASSERT_TRUE(app.StartUp());
    EXPECT_EQ(app.Lists().customCount, kEntries);
    EXPECT_EQ(app.Lists().desktopCount, kEntries);
    EXPECT_EQ(app.Popup().Count(), kEntries + 5);
    EXPECT_EQ(app.Popup().At(kEntries).id, kCustomIdBase + kEntries);
    const MenuLevel* desk = app.Popup().SubMenu(kEntries + 2);
    ASSERT_NE(desk, nullptr);
    EXPECT_EQ(desk->Count(), kEntries + 1);
    EXPECT_EQ(desktop.desktopList.Count(), 0) << "filled by Properties, not at start-up";
    app.OnMenuCommand(kPropertiesId);
    EXPECT_EQ(desktop.desktopList.Count(), kEntries);
    EXPECT_EQ(desktop.customList.Count(), kEntries);

    app.OnMenuCommand(kCustomIdBase + kEntries);
    app.OnMenuCommand(kDesktopIdBase + 32768);
    EXPECT_EQ(desktop.launcher.opened,
              (std::vector<std::string>{"C:\\Custom\\Custom40000.txt", "C:\\Desktop\\Desktop32768.txt"}));

    desktop.customList.Remove(1);
    SaveCustomChoices(desktop.store, desktop.customList);
    EXPECT_EQ(desktop.store.Value(kCustomSection, "MenuChoice39999"), "Custom40000.txt%C:\\Custom\\%1");
    EXPECT_EQ(desktop.store.Value(kCustomSection, "MenuChoice40000"), "Done");
    EXPECT_EQ(desktop.store.Value(kCustomSection, "MenuChoice40001"), "Done");

    app.OnSettingsCommand(SettingsCommand::OK);
    EXPECT_EQ(app.Lists().customCount, kEntries - 1);
    EXPECT_EQ(app.Popup().Count(), kEntries + 4);
}

TEST_F(LargeListTest, ShownLevelsHoldWhatTheScreenHoldsAndReachEveryEntry) {
    desktop.popup.room = PopupRoom{40, 1200, 96};
    desktop.popup.rowWidth = 150;  // 8 columns of 25 rows a level
    Application app(desktop.tray, desktop.sources, desktop);
    ASSERT_TRUE(app.StartUp());
    app.OnTrayMessage(kRightButtonUp);
    app.OnTrayMessage(kRightButtonUp);
    EXPECT_EQ(desktop.popup.preparations, 1);
    MenuLevel& shown = desktop.popup.shown.back();
    EXPECT_EQ(ColumnHeights(shown), std::vector<int>(8, 25));
    EXPECT_EQ(ColumnHeights(DesktopSubmenu(shown)), std::vector<int>(8, 25));
    for (auto [level, base] : {std::pair<const MenuLevel*, int>{&shown, kCustomIdBase},
                               std::pair<const MenuLevel*, int>{&DesktopSubmenu(shown), kDesktopIdBase}}) {
        const std::vector<int> ids = EntryIdsThroughMore(*level);
        ASSERT_EQ(ids.size(), static_cast<std::size_t>(kEntries));
        for (int k = 1; k <= kEntries; ++k) ASSERT_EQ(ids[static_cast<std::size_t>(k - 1)], base + k);
    }
}

}  // namespace
}  // namespace kelvo
