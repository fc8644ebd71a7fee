#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/Application.h"
#include "fakes/FakeDesktop.h"
#include "fakes/TestData.h"
#include "menus/MenuIds.h"
#include "settings/ListEditing.h"
#include "store/Choices.h"

namespace kelvo {
namespace {

// Button states as Up, Down, Remove: "UDR" all enabled, "-" a disabled one.
std::string States(const FakeButton& up, const FakeButton& down, const FakeButton& remove) {
    return std::string{up.enabled ? 'U' : '-', down.enabled ? 'D' : '-', remove.enabled ? 'R' : '-'};
}

std::vector<std::string> Texts(const FakeListView& view) {
    std::vector<std::string> texts;
    for (const ListRow& row : view.rows) texts.push_back(row.text);
    return texts;
}

// The settings window open on stored lists of `n` rows each, every row with
// its own icon key and location.
class ListEditingTest : public ::testing::Test {
protected:
    void Open(int n) {
        for (const char* section : {kDesktopSection, kCustomSection}) {
            const std::vector<ListEntry> entries = NumberedEntries(n, section[0] == 'D' ? "d" : "c", section);
            SeedList(desktop.store, section, entries);
            for (const ListEntry& entry : entries) {
                desktop.files.Add(entry.FullPath());
                desktop.shell.Add(entry.FullPath(), FakeFileFacts{"Shortcut", static_cast<int>(desktop.shell.files.size())});
            }
        }
        ASSERT_TRUE(app.StartUp());
        app.OnMenuCommand(kPropertiesId);
    }
    void Select(FakeListView& view, int row, int list) {
        view.Select(row);
        app.OnListSelectionChanged(list);
    }
    std::string DesktopStates() const {
        return States(desktop.desktopMoveUp, desktop.desktopMoveDown, desktop.desktopRemoveItem);
    }

    FakeDesktop desktop;
    Application app{desktop.tray, desktop.sources, desktop};
};

TEST_F(ListEditingTest, SelectionEnablesTheButtonsThatMakeSense) {
    struct Case {
        int rows;
        int selected;
        const char* states;
    };
    for (const Case& c : {Case{1, 1, "--R"}, Case{4, 1, "-DR"}, Case{4, 2, "UDR"}, Case{4, 4, "U-R"},
                          Case{4, 0, "---"}, Case{0, 0, "---"}}) {
        FakeDesktop fresh;
        Application tray(fresh.tray, fresh.sources, fresh);
        SeedList(fresh.store, kCustomSection, NumberedEntries(c.rows, "c", "Custom"));
        for (const ListEntry& entry : NumberedEntries(c.rows, "c", "Custom")) fresh.files.Add(entry.FullPath());
        ASSERT_TRUE(tray.StartUp());
        tray.OnMenuCommand(kPropertiesId);
        fresh.customList.Select(c.selected);
        tray.OnListSelectionChanged(2);
        EXPECT_EQ(States(fresh.customMoveUp, fresh.customMoveDown, fresh.customRemoveItem), c.states)
            << c.selected << " of " << c.rows;
        EXPECT_EQ(States(fresh.desktopMoveUp, fresh.desktopMoveDown, fresh.desktopRemoveItem), "---");
    }
}

TEST_F(ListEditingTest, UpAndDownMoveTheRowWithItsFieldsAndKeepItSelected) {
    Open(4);
    const std::vector<ListRow> before = desktop.desktopList.rows;
    Select(desktop.desktopList, 2, 1);
    app.OnSettingsCommand(SettingsCommand::DesktopMoveUp);
    EXPECT_EQ(desktop.desktopList.rows, (std::vector<ListRow>{before[1], before[0], before[2], before[3]}));
    EXPECT_EQ(desktop.desktopList.selected, 1);
    EXPECT_EQ(DesktopStates(), "-DR");

    Select(desktop.desktopList, 3, 1);
    app.OnSettingsCommand(SettingsCommand::DesktopMoveDown);
    EXPECT_EQ(desktop.desktopList.rows, (std::vector<ListRow>{before[1], before[0], before[3], before[2]}));
    EXPECT_EQ(desktop.desktopList.selected, 4);
    EXPECT_EQ(DesktopStates(), "U-R");
    EXPECT_NE(before[2].iconKey, before[3].iconKey) << "the fixture must tell the icons apart";
}

TEST_F(ListEditingTest, EachListIsEditedByItsOwnButtons) {
    Open(3);
    Select(desktop.customList, 3, 2);
    app.OnSettingsCommand(SettingsCommand::CustomMoveUp);
    app.OnSettingsCommand(SettingsCommand::CustomMoveUp);
    EXPECT_EQ(Texts(desktop.customList), (std::vector<std::string>{"c3.txt", "c1.txt", "c2.txt"}));
    EXPECT_EQ(Texts(desktop.desktopList), (std::vector<std::string>{"d1.txt", "d2.txt", "d3.txt"}));
    app.OnSettingsCommand(SettingsCommand::CustomMoveDown);
    EXPECT_EQ(Texts(desktop.customList), (std::vector<std::string>{"c1.txt", "c3.txt", "c2.txt"}));
    EXPECT_EQ(States(desktop.customMoveUp, desktop.customMoveDown, desktop.customRemoveItem), "UDR");
}

TEST_F(ListEditingTest, RemoveTakesTheRowOutLowersTheCounterAndDisablesTheButtons) {
    Open(3);
    Select(desktop.customList, 2, 2);
    app.OnSettingsCommand(SettingsCommand::CustomRemoveItem);
    EXPECT_EQ(Texts(desktop.customList), (std::vector<std::string>{"c1.txt", "c3.txt"}));
    EXPECT_EQ(app.Lists().customCount, 2);
    EXPECT_EQ(app.Lists().desktopCount, 3);
    EXPECT_EQ(States(desktop.customMoveUp, desktop.customMoveDown, desktop.customRemoveItem), "---");
}

// A press that finds no row to act on, whatever the buttons showed, changes
// nothing: no selection, a selection at an end, or a selection that a refill
// left behind.
TEST_F(ListEditingTest, StalePressesChangeNothing) {
    Open(3);
    const std::vector<ListRow> rows = desktop.desktopList.rows;
    for (FakeButton* button : {&desktop.desktopMoveUp, &desktop.desktopMoveDown, &desktop.desktopRemoveItem})
        button->enabled = true;
    struct Case {
        int selected;
        SettingsCommand command;
    };
    for (const Case& c : {Case{0, SettingsCommand::DesktopMoveUp}, Case{0, SettingsCommand::DesktopMoveDown},
                          Case{0, SettingsCommand::DesktopRemoveItem}, Case{1, SettingsCommand::DesktopMoveUp},
                          Case{3, SettingsCommand::DesktopMoveDown}, Case{9, SettingsCommand::DesktopRemoveItem},
                          Case{9, SettingsCommand::DesktopMoveUp}}) {
        desktop.desktopList.selected = c.selected;
        app.OnSettingsCommand(c.command);
        EXPECT_EQ(desktop.desktopList.rows, rows) << c.selected;
        EXPECT_EQ(app.Lists().desktopCount, 3) << c.selected;
    }
}

TEST_F(ListEditingTest, RefillsLeaveNoButtonActingOnAnOldSelection) {
    Open(3);
    Select(desktop.desktopList, 2, 1);
    Select(desktop.customList, 2, 2);
    desktop.folders.desktop = "C:\\Desk";
    app.OnSettingsCommand(SettingsCommand::LoadDeskTop);
    EXPECT_EQ(DesktopStates(), "---");
    app.OnSettingsCommand(SettingsCommand::Cancel);
    app.OnMenuCommand(kPropertiesId);
    EXPECT_EQ(States(desktop.customMoveUp, desktop.customMoveDown, desktop.customRemoveItem), "---");
}

TEST_F(ListEditingTest, OkStoresTheNewOrderAndCancelForgetsIt) {
    Open(3);
    Select(desktop.desktopList, 3, 1);
    app.OnSettingsCommand(SettingsCommand::DesktopMoveUp);
    Select(desktop.desktopList, 1, 1);
    app.OnSettingsCommand(SettingsCommand::DesktopRemoveItem);
    app.OnSettingsCommand(SettingsCommand::OK);
    const std::vector<std::string> rows = MenuRows(app.Popup());
    const int deskTop = static_cast<int>(std::find(rows.begin(), rows.end(), "DeskTop>") - rows.begin());
    ASSERT_NE(app.Popup().SubMenu(deskTop), nullptr);
    EXPECT_EQ(MenuRows(*app.Popup().SubMenu(deskTop)), (std::vector<std::string>{"-", "d3.txt", "d2.txt"}));
    StoredList stored = ReadList(desktop.store, kDesktopSection);
    EXPECT_EQ(stored.entries, (std::vector<ListEntry>{MakeEntry("d3.txt", "C:\\Desktop\\"),
                                                      MakeEntry("d2.txt", "C:\\Desktop\\")}));

    app.OnMenuCommand(kPropertiesId);
    Select(desktop.desktopList, 2, 1);
    app.OnSettingsCommand(SettingsCommand::DesktopMoveUp);
    app.OnSettingsCommand(SettingsCommand::Cancel);
    EXPECT_EQ(ReadList(desktop.store, kDesktopSection).entries, stored.entries);
    EXPECT_EQ(app.Lists().desktopCount, 2);
}

}  // namespace
}  // namespace kelvo
