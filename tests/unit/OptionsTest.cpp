#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/Application.h"
#include "fakes/FakeDesktop.h"
#include "fakes/TestData.h"
#include "menus/MenuIds.h"
#include "settings/TabChange.h"
#include "store/Choices.h"
#include "store/StoredOptions.h"

namespace kelvo {
namespace {

constexpr HotKey kCtrlAltK{HotKey::kCtrl | HotKey::kAlt, 'K'};
constexpr HotKey kShiftF12{HotKey::kShift, 0x7B};
constexpr HotKey kCtrlF5{HotKey::kCtrl, 0x74};
const std::string kProgram = "C:\\Program Files\\KelvoTop\\KelvoTop.exe";
const std::string kQuotedProgram = "\"" + kProgram + "\"";

TEST(HotKeyTextTest, EveryKindOfKeyReadsBackAsWritten) {
    const struct {
        HotKey key;
        std::string text;
    } cases[] = {
        {kCtrlAltK, "Ctrl+Alt+K"},
        {kShiftF12, "Shift+F12"},
        {{HotKey::kCtrl | HotKey::kAlt | HotKey::kShift, '7'}, "Ctrl+Alt+Shift+7"},
        {{HotKey::kCtrl, 0x24}, "Ctrl+Home"},
        {{HotKey::kAlt, 0x63}, "Alt+Num3"},
        {{HotKey::kCtrl, 0xC0}, "Ctrl+Key192"},
        {{0, 0x87}, "F24"},
    };
    for (const auto& [key, text] : cases) {
        EXPECT_EQ(HotKeyText(key), text);
        EXPECT_EQ(ParseHotKey(text), key) << text;
    }
}

TEST(HotKeyTextTest, TextThatThisProgramDoesNotWriteIsNoKey) {
    for (const char* text : {"", "Ctrl+", "+K", "Ctrl+Ctrl+K", "Alt+Ctrl+K", "ctrl+alt+k", "Ctrl+Alt+KK",
                             "Ctrl+Alt+Key0", "Ctrl+Alt+Key255", "Ctrl+Alt+Key65", "Meta+K", "Ctrl+Alt+F25"}) {
        EXPECT_EQ(ParseHotKey(text), std::nullopt) << text;
    }
}

TEST(SignInCommandTest, TheCommandIsTheProgramsQuotedPath) {
    EXPECT_EQ(SignInCommand(kProgram), kQuotedProgram);
}

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override { desktop.signInStart.programPath = kProgram; }
    void Started() {
        ASSERT_TRUE(app.StartUp());
        desktop.log.clear();
    }
    void OpenSettings() { app.OnMenuCommand(kPropertiesId); }
    std::optional<std::string> StoredKey() const { return desktop.store.Value(kOptionsSection, kMenuKeyName); }

    FakeDesktop desktop;
    Application app{desktop.tray, desktop.sources, desktop};
};

TEST_F(OptionsTest, StartUpRegistersTheStoredKeyAndTakesAnythingElseAsNone) {
    const struct {
        const char* what;
        std::optional<std::string> stored;  // nullopt: not there
        bool unreadable;
        bool storeFails;
        std::optional<HotKey> registered;
    } cases[] = {
        {"missing", std::nullopt, false, false, std::nullopt},
        {"empty", "", false, false, std::nullopt},
        {"not text", std::nullopt, true, false, std::nullopt},
        {"store cannot be read", "Ctrl+Alt+K", false, true, std::nullopt},
        {"not a key", "Ctrl+Alt+", false, false, std::nullopt},
        {"set", "Ctrl+Alt+K", false, false, kCtrlAltK},
        {"set with Ctrl alone", "Ctrl+F5", false, false, kCtrlF5},
        // Without Ctrl or Alt the key would be taken from every program.
        {"a letter alone", "K", false, false, std::nullopt},
        {"Space alone", "Space", false, false, std::nullopt},
        {"Shift and a letter", "Shift+K", false, false, std::nullopt},
        {"a keypad digit alone", "Num5", false, false, std::nullopt},
    };
    for (const auto& c : cases) {
        FakeDesktop fresh;
        if (c.stored) fresh.store.Seed(kOptionsSection, kMenuKeyName, *c.stored);
        if (c.unreadable) fresh.store.SeedUnreadable(kOptionsSection, kMenuKeyName);
        if (c.storeFails) fresh.store.failsReads = [](const std::string& section, const std::string&) {
            return section == kOptionsSection;
        };
        Application started(fresh.tray, fresh.sources, fresh);
        EXPECT_TRUE(started.StartUp()) << c.what;
        EXPECT_EQ(fresh.menuKey.registered, c.registered) << c.what;
        EXPECT_TRUE(fresh.messages.shown.empty()) << c.what;
        started.OnMenuCommand(kPropertiesId);
        EXPECT_EQ(fresh.menuKeyField.key, c.registered) << c.what << ": the Options tab shows the key held";
        started.OnSettingsCommand(SettingsCommand::OK);
        for (const std::string& call : fresh.log) EXPECT_FALSE(call.starts_with("store.Put Options")) << c.what;
    }
}

// Folders open as submenus unless the user turned that off: only "0" says so.
TEST_F(OptionsTest, StartUpTakesFolderMenusAsOnUnlessTheStoreSaysZero) {
    const struct {
        const char* what;
        std::optional<std::string> stored;  // nullopt: not there
        bool unreadable;
        bool storeFails;
        bool on;
    } cases[] = {
        {"missing", std::nullopt, false, false, true},
        {"on", "1", false, false, true},
        {"off", "0", false, false, false},
        {"empty", "", false, false, true},
        {"other text", "no", false, false, true},
        {"zero with a blank", "0 ", false, false, true},
        {"not text", std::nullopt, true, false, true},
        {"store cannot be read", "0", false, true, true},
    };
    for (const auto& c : cases) {
        FakeDesktop fresh;
        if (c.stored) fresh.store.Seed(kOptionsSection, kFolderMenusName, *c.stored);
        if (c.unreadable) fresh.store.SeedUnreadable(kOptionsSection, kFolderMenusName);
        if (c.storeFails) fresh.store.failsReads = [](const std::string& section, const std::string&) {
            return section == kOptionsSection;
        };
        Application started(fresh.tray, fresh.sources, fresh);
        EXPECT_TRUE(started.StartUp()) << c.what;
        EXPECT_EQ(started.FolderMenusOn(), c.on) << c.what;
        fresh.folderMenus.checked = !c.on;
        started.OnMenuCommand(kPropertiesId);
        EXPECT_EQ(fresh.folderMenus.checked, c.on) << c.what << ": the Options tab shows it";
        started.OnSettingsCommand(SettingsCommand::OK);
        for (const std::string& call : fresh.log) EXPECT_FALSE(call.starts_with("store.Put Options")) << c.what;
    }
}

TEST_F(OptionsTest, StartUpWithAKeyThatAnotherProgramHoldsSaysSoAndKeepsTheStoredChoice) {
    desktop.store.Seed(kOptionsSection, kMenuKeyName, "Ctrl+Alt+K");
    desktop.menuKey.taken = {"Ctrl+Alt+K"};
    ASSERT_TRUE(app.StartUp());
    EXPECT_EQ(desktop.menuKey.registered, std::nullopt);
    EXPECT_EQ(desktop.messages.shown, std::vector<std::string>{KeyTakenMessage(kCtrlAltK)});
    EXPECT_NE(KeyTakenMessage(kCtrlAltK).find("Ctrl+Alt+K"), std::string::npos);
    EXPECT_EQ(StoredKey(), "Ctrl+Alt+K");
}

TEST_F(OptionsTest, PropertiesShowsTheStartOnlyForAnEntryOfThisProgramThatIsSwitchedOn) {
    const struct {
        std::optional<std::string> command;
        bool switchedOff;
        bool unreadable;
        bool shown;
    } cases[] = {
        {std::nullopt, false, false, false},
        {kQuotedProgram, false, false, true},
        {kQuotedProgram, true, false, false},
        {"\"C:\\Old\\KelvoTop.exe\"", false, false, false},
        {kQuotedProgram, false, true, false},
    };
    Started();
    for (const auto& c : cases) {
        desktop.signInStart.command = c.command;
        desktop.signInStart.switchedOff = c.switchedOff;
        desktop.signInStart.unreadable = c.unreadable;
        desktop.startAtSignIn.checked = !c.shown;
        OpenSettings();
        EXPECT_EQ(desktop.startAtSignIn.checked, c.shown) << c.command.value_or("(none)");
        app.OnSettingsCommand(SettingsCommand::Cancel);
    }
}

// One row: how things stood, what the user did on the tab, and the button.
struct CommitCase {
    const char* what;
    std::optional<std::string> command;
    bool switchedOff;
    std::optional<std::string> storedKey;
    bool check;
    std::optional<HotKey> key;
    SettingsCommand button;
    // Afterwards:
    std::optional<std::string> commandAfter;
    bool switchedOffAfter;
    std::optional<std::string> storedKeyAfter;
    std::optional<HotKey> registeredAfter;
    std::vector<std::string> signInCalls;
    // Keys that another program holds, and what the user is told.
    std::set<std::string> taken = {};
    std::vector<std::string> messages = {};
    // Folders as submenus: stored before, the box as the user left it, and
    // afterwards the stored value and whether they are on.
    std::optional<std::string> storedFolderMenus = std::nullopt;
    bool checkFolderMenus = true;
    std::optional<std::string> storedFolderMenusAfter = std::nullopt;
    bool folderMenusAfter = true;
};

TEST_F(OptionsTest, OkDoesWhatTheTabShowsAndCancelNothing) {
    const std::string put = "signInStart.Put " + kQuotedProgram;
    const CommitCase cases[] = {
        {"both turned on", std::nullopt, false, std::nullopt, true, kCtrlAltK, SettingsCommand::OK,
         kQuotedProgram, false, "Ctrl+Alt+K", kCtrlAltK, {put}},
        {"both turned off", kQuotedProgram, false, "Ctrl+Alt+K", false, std::nullopt, SettingsCommand::OK,
         std::nullopt, false, "", std::nullopt, {"signInStart.Remove"}},
        {"both left on", kQuotedProgram, false, "Ctrl+Alt+K", true, kCtrlAltK, SettingsCommand::OK,
         kQuotedProgram, false, "Ctrl+Alt+K", kCtrlAltK, {}},
        {"both left off", std::nullopt, false, std::nullopt, false, std::nullopt, SettingsCommand::OK,
         std::nullopt, false, std::nullopt, std::nullopt, {}},
        {"another key", kQuotedProgram, false, "Ctrl+Alt+K", true, kCtrlF5, SettingsCommand::OK,
         kQuotedProgram, false, "Ctrl+F5", kCtrlF5, {}},
        {"switched off by the user, checked again", kQuotedProgram, true, std::nullopt, true, std::nullopt,
         SettingsCommand::OK, kQuotedProgram, false, std::nullopt, std::nullopt, {put}},
        {"switched off by the user, left unchecked", kQuotedProgram, true, std::nullopt, false, std::nullopt,
         SettingsCommand::OK, kQuotedProgram, true, std::nullopt, std::nullopt, {}},
        {"entry of another copy, checked", "C:\\Old\\KelvoTop.exe", false, std::nullopt, true, std::nullopt,
         SettingsCommand::OK, kQuotedProgram, false, std::nullopt, std::nullopt, {put}},
        {"entry of another copy, left unchecked", "C:\\Old\\KelvoTop.exe", false, std::nullopt, false,
         std::nullopt, SettingsCommand::OK, "C:\\Old\\KelvoTop.exe", false, std::nullopt, std::nullopt, {}},
        {"Cancel after turning on", std::nullopt, false, std::nullopt, true, kCtrlAltK, SettingsCommand::Cancel,
         std::nullopt, false, std::nullopt, std::nullopt, {}},
        {"Cancel after turning off", kQuotedProgram, false, "Ctrl+Alt+K", false, std::nullopt,
         SettingsCommand::Cancel, kQuotedProgram, false, "Ctrl+Alt+K", kCtrlAltK, {}},
        {"stored key held by another program, field untouched", std::nullopt, false, "Ctrl+Alt+K", false, kCtrlAltK,
         SettingsCommand::OK, std::nullopt, false, "Ctrl+Alt+K", std::nullopt, {}, {"Ctrl+Alt+K"}},
        {"changed to a key another program holds", std::nullopt, false, "Ctrl+F5", false, kCtrlAltK,
         SettingsCommand::OK, std::nullopt, false, "Ctrl+F5", kCtrlF5, {}, {"Ctrl+Alt+K"},
         {KeyTakenMessage(kCtrlAltK)}},
        {"stored key without Ctrl or Alt, field untouched", std::nullopt, false, "Shift+K", false, std::nullopt,
         SettingsCommand::OK, std::nullopt, false, "Shift+K", std::nullopt, {}},
        {"folders as submenus turned off", std::nullopt, false, std::nullopt, false, std::nullopt, SettingsCommand::OK,
         std::nullopt, false, std::nullopt, std::nullopt, {}, {}, {}, std::nullopt, false, "0", false},
        {"folders as submenus turned on again", std::nullopt, false, std::nullopt, false, std::nullopt,
         SettingsCommand::OK, std::nullopt, false, std::nullopt, std::nullopt, {}, {}, {}, "0", true, "1", true},
        {"folders as submenus left off", std::nullopt, false, std::nullopt, false, std::nullopt, SettingsCommand::OK,
         std::nullopt, false, std::nullopt, std::nullopt, {}, {}, {}, "0", false, "0", false},
        {"folders as submenus left on where the store holds other text", std::nullopt, false, std::nullopt, false,
         std::nullopt, SettingsCommand::OK, std::nullopt, false, std::nullopt, std::nullopt, {}, {}, {}, "yes", true,
         "yes", true},
        {"Cancel after turning folders as submenus off", std::nullopt, false, std::nullopt, false, std::nullopt,
         SettingsCommand::Cancel, std::nullopt, false, std::nullopt, std::nullopt, {}, {}, {}, "1", false, "1", true},
    };
    for (const CommitCase& c : cases) {
        FakeDesktop fresh;
        fresh.signInStart.programPath = kProgram;
        fresh.signInStart.command = c.command;
        fresh.signInStart.switchedOff = c.switchedOff;
        if (c.storedKey) fresh.store.Seed(kOptionsSection, kMenuKeyName, *c.storedKey);
        if (c.storedFolderMenus) fresh.store.Seed(kOptionsSection, kFolderMenusName, *c.storedFolderMenus);
        fresh.menuKey.taken = c.taken;
        Application started(fresh.tray, fresh.sources, fresh);
        ASSERT_TRUE(started.StartUp());
        fresh.messages.shown.clear();
        started.OnMenuCommand(kPropertiesId);
        fresh.startAtSignIn.checked = c.check;
        fresh.menuKeyField.key = c.key;
        fresh.folderMenus.checked = c.checkFolderMenus;
        fresh.log.clear();
        started.OnSettingsCommand(c.button);

        EXPECT_EQ(fresh.signInStart.command, c.commandAfter) << c.what;
        EXPECT_EQ(fresh.signInStart.switchedOff, c.switchedOffAfter) << c.what;
        EXPECT_EQ(fresh.store.Value(kOptionsSection, kMenuKeyName), c.storedKeyAfter) << c.what;
        EXPECT_EQ(fresh.menuKey.registered, c.registeredAfter) << c.what;
        CallLog signInCalls;
        for (const std::string& call : fresh.log)
            if (call.starts_with("signInStart.")) signInCalls.push_back(call);
        EXPECT_EQ(signInCalls, c.signInCalls) << c.what;
        EXPECT_EQ(fresh.messages.shown, c.messages) << c.what;
        EXPECT_EQ(fresh.store.Value(kOptionsSection, kFolderMenusName), c.storedFolderMenusAfter) << c.what;
        EXPECT_EQ(started.FolderMenusOn(), c.folderMenusAfter) << c.what;
        EXPECT_FALSE(fresh.settingsWindow.visible) << c.what;
    }
}

TEST_F(OptionsTest, OkWithAKeyThatAnotherProgramHoldsSaysSoAndKeepsTheKeyBefore) {
    desktop.store.Seed(kOptionsSection, kMenuKeyName, "Ctrl+F5");
    desktop.menuKey.taken = {"Ctrl+Alt+K"};
    Started();
    OpenSettings();
    desktop.menuKeyField.key = kCtrlAltK;
    app.OnSettingsCommand(SettingsCommand::OK);
    EXPECT_EQ(desktop.messages.shown, std::vector<std::string>{KeyTakenMessage(kCtrlAltK)});
    EXPECT_EQ(desktop.menuKey.registered, kCtrlF5);
    EXPECT_EQ(StoredKey(), "Ctrl+F5");
    OpenSettings();
    EXPECT_EQ(desktop.menuKeyField.key, kCtrlF5);
}

// A stored key that was taken at start-up stays the user's choice: it is
// tried again at each OK, and said again when OK is pressed on the Options
// tab, which is where the user looks at it.
TEST_F(OptionsTest, StoredKeyTakenAtStartUpIsTriedAgainAtOkAndNeverErased) {
    desktop.store.Seed(kOptionsSection, kMenuKeyName, "Ctrl+Alt+K");
    desktop.menuKey.taken = {"Ctrl+Alt+K"};
    Started();
    for (int tab : {kDesktopTab, kOptionsTab}) {
        desktop.messages.shown.clear();
        OpenSettings();
        desktop.tabs.selected = tab;
        app.OnSettingsCommand(SettingsCommand::OK);
        EXPECT_EQ(StoredKey(), "Ctrl+Alt+K") << tab;
        EXPECT_EQ(desktop.menuKey.registered, std::nullopt) << tab;
        EXPECT_EQ(desktop.messages.shown.size(), tab == kOptionsTab ? 1u : 0u) << tab;
    }
    desktop.menuKey.taken.clear();  // the other program let it go
    OpenSettings();
    app.OnSettingsCommand(SettingsCommand::OK);
    EXPECT_EQ(desktop.menuKey.registered, kCtrlAltK);
    EXPECT_EQ(StoredKey(), "Ctrl+Alt+K");
}

// The lists are written before the options, whatever becomes of these.
TEST_F(OptionsTest, OkThatCannotWriteTheEntryOrTheKeySaysSoAndStillSavesTheLists) {
    Started();
    OpenSettings();
    desktop.customList.Append(ListRow{"a.txt", "C:\\", ""});
    desktop.files.Add("C:\\a.txt");
    desktop.startAtSignIn.checked = true;
    desktop.menuKeyField.key = kCtrlAltK;
    desktop.folderMenus.checked = false;
    desktop.signInStart.refusesWrites = true;
    // The store refuses the options' section only: the write being counted
    // is the one just logged.
    desktop.store.refuses = [&](int) { return desktop.log.back().starts_with("store.Put Options"); };
    app.OnSettingsCommand(SettingsCommand::OK);

    EXPECT_EQ(desktop.store.Value("Custom", "MenuChoice1"), "a.txt%C:\\%1");
    ASSERT_EQ(desktop.messages.shown.size(), 1u);
    const std::string& message = desktop.messages.shown[0];
    EXPECT_NE(message.find("KelvoTop could not be set to start when you sign in: Access is denied."),
              std::string::npos) << message;
    EXPECT_NE(message.find("The key to open the menu could not be saved"), std::string::npos) << message;
    EXPECT_NE(message.find("The choice to show folders as submenus could not be saved"), std::string::npos)
        << message;
    EXPECT_EQ(desktop.signInStart.command, std::nullopt);
    EXPECT_EQ(StoredKey(), std::nullopt);
    EXPECT_EQ(desktop.store.Value(kOptionsSection, kFolderMenusName), std::nullopt);
    EXPECT_FALSE(app.FolderMenusOn()) << "in effect for this session all the same";
}

TEST_F(OptionsTest, TurningTheStartOffWhereTheEntryCannotBeRemovedSaysSo) {
    desktop.signInStart.command = kQuotedProgram;
    Started();
    OpenSettings();
    desktop.startAtSignIn.checked = false;
    desktop.signInStart.refusesWrites = true;
    app.OnSettingsCommand(SettingsCommand::OK);
    EXPECT_EQ(desktop.messages.shown,
              std::vector<std::string>{"KelvoTop could not be kept from starting when you sign in: Access is denied."});
    EXPECT_EQ(desktop.signInStart.command, kQuotedProgram);
}

TEST_F(OptionsTest, TheKeyShowsThePopupReadyForTheKeyboardExceptWhileTheSettingsAreOpen) {
    desktop.popup.choices = {kPropertiesId};
    Started();
    app.OnMenuKey();
    EXPECT_EQ(desktop.popup.openings, std::vector<PopupOpening>{PopupOpening::Keyboard});
    EXPECT_TRUE(desktop.settingsWindow.visible) << "the chosen entry was acted on";
    app.OnMenuKey();
    desktop.waitNotice.visible = true;
    desktop.settingsWindow.visible = false;
    app.OnMenuKey();
    EXPECT_EQ(desktop.popup.openings.size(), 1u);
}

// The key, or a click, that arrives in the popup's own menu loop must not
// show the popup again from inside it.
TEST_F(OptionsTest, TheKeyPressedWhileThePopupShowsLeavesItAsItIs) {
    Started();
    desktop.popup.whileShown = [this] {
        app.OnMenuKey();
        app.OnTrayMessage(kRightButtonUp);
    };
    desktop.popup.choices = {kPropertiesId};
    app.OnMenuKey();
    EXPECT_EQ(desktop.popup.openings.size(), 1u);
    EXPECT_TRUE(desktop.settingsWindow.visible) << "the choice made in the popup is acted on";
    desktop.settingsWindow.visible = false;
    desktop.popup.whileShown = nullptr;
    app.OnMenuKey();
    EXPECT_EQ(desktop.popup.openings.size(), 2u) << "the popup shows again once it is closed";
}

TEST_F(OptionsTest, ExitReleasesTheKey) {
    desktop.store.Seed(kOptionsSection, kMenuKeyName, "Ctrl+Alt+K");
    Started();
    ASSERT_EQ(desktop.menuKey.registered, kCtrlAltK);
    app.OnMenuCommand(kExitId);
    EXPECT_EQ(desktop.menuKey.registered, std::nullopt);
    EXPECT_TRUE(desktop.program.ended);
}

}  // namespace
}  // namespace kelvo
