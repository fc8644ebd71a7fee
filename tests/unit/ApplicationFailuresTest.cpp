#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <stdexcept>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/Application.h"
#include "fakes/FakeDesktop.h"
#include "fakes/TestData.h"
#include "menus/MenuIds.h"
#include "store/Choices.h"
#include "store/ListCommit.h"

namespace kelvo {
namespace {

// Captions of the built entries of one menu level: the custom ones at the
// top, or those of the DeskTop submenu.
std::vector<std::string> EntryCaptions(const MenuLevel& level) {
    std::vector<std::string> captions;
    for (int pos = 0; pos < level.Count(); ++pos) {
        const MenuItem& item = level.At(pos);
        if (item.kind == MenuItemKind::Command && item.id != kPropertiesId && item.id != kExitId) {
            captions.push_back(item.text);
        }
    }
    return captions;
}

const MenuLevel& DeskTopLevel(const MenuLevel& tree) {
    for (int pos = 0;; ++pos) {
        if (const MenuLevel* submenu = tree.SubMenu(pos)) return *submenu;
    }
}

// The names of `entries` up to the first one that repeats an earlier name,
// where the custom menu stops.
std::vector<std::string> NamesOf(const std::vector<ListEntry>& entries) {
    std::vector<std::string> names;
    for (const ListEntry& entry : entries) {
        if (std::find(names.begin(), names.end(), entry.name) != names.end()) break;
        names.push_back(entry.name);
    }
    return names;
}

// Which writes a store refuses: write n only, or every write from n on.
std::function<bool(int)> Refusing(int n, bool fromThenOn) {
    return [n, fromThenOn](int write) { return fromThenOn ? write >= n : write == n; };
}

// The program with its fakes, over stored lists whose files all exist.
struct Session {
    Session() {
        SeedList(desktop.store, kCustomSection, customBefore);
        SeedList(desktop.store, kDesktopSection, desktopBefore);
        for (const auto* list : {&customBefore, &desktopBefore, &customAfter, &desktopAfter}) {
            for (const ListEntry& entry : *list) desktop.files.Add(entry.FullPath());
        }
    }
    // The menu shows each list as the store holds it.
    void ExpectMenuAsStored() {
        EXPECT_EQ(EntryCaptions(app.Popup()), NamesOf(ReadList(desktop.store, kCustomSection).entries));
        EXPECT_EQ(EntryCaptions(DeskTopLevel(app.Popup())), NamesOf(ReadList(desktop.store, kDesktopSection).entries));
    }
    // Resident: windows hidden, and the popup opens the first custom entry.
    void ExpectRunning() {
        EXPECT_FALSE(desktop.settingsWindow.visible);
        EXPECT_FALSE(desktop.waitNotice.visible);
        EXPECT_FALSE(desktop.splash.visible);
        EXPECT_FALSE(desktop.program.ended);
        const std::vector<ListEntry> custom = ReadList(desktop.store, kCustomSection).entries;
        desktop.launcher.opened.clear();
        desktop.popup.choices = {kCustomIdBase + 1};
        app.OnTrayMessage(kRightButtonUp);
        ASSERT_FALSE(custom.empty());
        EXPECT_EQ(desktop.launcher.opened, std::vector<std::string>{custom.front().FullPath()});
    }
    // OK after the user removed the first custom row and dropped a desktop one.
    void EditAndOk() {
        app.OnMenuCommand(kPropertiesId);
        desktop.customList.Remove(1);
        desktop.desktopList.Append(ListRow{desktopAfter.back().name, desktopAfter.back().location, ""});
        app.OnSettingsCommand(SettingsCommand::OK);
    }
    // EditAndOk, and how many writes it asked the store for.
    int WritesOfEditAndOk() {
        const int before = desktop.store.WriteCount();
        EditAndOk();
        return desktop.store.WriteCount() - before;
    }

    const std::vector<ListEntry> customBefore = NumberedEntries(3, "c", "Custom");
    const std::vector<ListEntry> desktopBefore = NumberedEntries(2, "d", "Desk");
    const std::vector<ListEntry> customAfter{customBefore[1], customBefore[2]};
    const std::vector<ListEntry> desktopAfter{desktopBefore[0], desktopBefore[1], MakeEntry("x.txt", "E:\\")};
    FakeDesktop desktop;
    Application app{desktop.tray, desktop.sources, desktop};
};

TEST(ApplicationFailures, StartUpGoesResidentWhateverWriteTheStoreRefuses) {
    // A save that a kill cut short, to finish, and no desktop list yet: the
    // start writes to the store at several points.
    auto seed = [](Session& program) {
        FakeSettingsStore& store = program.desktop.store;
        store.Seed(StagingSection(kCustomSection), "MenuChoice1", ChoiceValue("c3.txt", "C:\\Custom\\"));
        store.Seed(StagingSection(kCustomSection), "MenuChoice2", kDoneValue);
        store.Seed(StagingSection(kCustomSection), "Complete", "1");
        store.DeleteSection(kDesktopSection);
    };
    Session dryRun;
    seed(dryRun);
    const int before = dryRun.desktop.store.WriteCount();
    ASSERT_TRUE(dryRun.app.StartUp());
    const int writes = dryRun.desktop.store.WriteCount() - before;
    ASSERT_GE(writes, 4);
    for (bool fromThenOn : {false, true}) {
        for (int n = 1; n <= writes; ++n) {
            SCOPED_TRACE((fromThenOn ? "from write " : "write ") + std::to_string(n));
            Session program;
            seed(program);
            program.desktop.store.refuses = Refusing(program.desktop.store.WriteCount() + n, fromThenOn);
            EXPECT_TRUE(program.app.StartUp());
            EXPECT_EQ(program.desktop.taskbar.adds, 1);
            // Only a save that could not be finished is told, and its
            // staging section, the one whole copy of that list, stays.
            const std::vector<std::string>& shown = program.desktop.messages.shown;
            const bool stagingKept = !program.desktop.store.Keys(StagingSection(kCustomSection)).empty();
            EXPECT_EQ(shown.size(), stagingKept ? 1u : 0u);
            if (stagingKept && !shown.empty()) {
                EXPECT_TRUE(shown.front().starts_with("The last save of your custom list could not be finished: "))
                    << shown.front();
            }
            program.ExpectMenuAsStored();
            program.ExpectRunning();
        }
    }
}

TEST(ApplicationFailures, StartUpOverAStoreThatCannotBeReadTellsWhyAndGoesResident) {
    struct Case {
        const char* failing;  // sections whose reads throw
        std::vector<std::string> customEntries;
        std::string message;
    };
    const Case cases[] = {
        {"Desktop", {"c1.txt", "c2.txt", "c3.txt"},
         "Your desktop list could not be read in full: store cannot read Desktop"},
        {"Custom Desktop", {},
         "Your custom list could not be read in full: store cannot read Custom\n"
         "Your desktop list could not be read in full: store cannot read Desktop"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failing);
        Session program;
        const std::string failing = c.failing;
        program.desktop.store.failsReads = [failing](const std::string& section, const std::string&) {
            return failing.find(section) != std::string::npos;
        };
        program.app.StartUp();
        EXPECT_EQ(program.desktop.messages.shown, std::vector<std::string>{c.message});
        EXPECT_EQ(program.desktop.taskbar.adds, 1);
        EXPECT_EQ(program.desktop.makes, 0) << "no settings window is made before it is needed";
        EXPECT_FALSE(program.desktop.splash.visible);
        EXPECT_EQ(EntryCaptions(program.app.Popup()), c.customEntries);
        EXPECT_TRUE(EntryCaptions(DeskTopLevel(program.app.Popup())).empty());
        program.desktop.popup.choices = {kExitId};
        program.app.OnTrayMessage(kRightButtonUp);
        EXPECT_TRUE(program.desktop.program.ended);
    }
}

// OK with the custom list made shorter and the desktop list longer, the
// store refusing one write, or every write from one on, at each point.
TEST(ApplicationFailures, FailedOkTellsWhichListWasNotSavedAndTheMenuShowsWhatIsStored) {
    Session dryRun;
    ASSERT_TRUE(dryRun.app.StartUp());
    const int writes = dryRun.WritesOfEditAndOk();
    ASSERT_EQ(ReadList(dryRun.desktop.store, kCustomSection).entries, dryRun.customAfter);
    ASSERT_TRUE(dryRun.desktop.messages.shown.empty());
    for (bool fromThenOn : {false, true}) {
        for (int n = 1; n <= writes; ++n) {
            SCOPED_TRACE((fromThenOn ? "from write " : "write ") + std::to_string(n));
            Session program;
            ASSERT_TRUE(program.app.StartUp());
            program.desktop.store.refuses = Refusing(program.desktop.store.WriteCount() + n, fromThenOn);
            program.EditAndOk();

            const bool customSaved = ReadList(program.desktop.store, kCustomSection).entries == program.customAfter;
            const bool desktopSaved =
                ReadList(program.desktop.store, kDesktopSection).entries == program.desktopAfter;
            // A list that does not read as saved is always named. When the
            // store refuses even to put the old list back, a list may read as
            // saved (the next start finishes its copy) and be named too.
            const std::vector<std::string>& shown = program.desktop.messages.shown;
            ASSERT_LE(shown.size(), 1u);
            const std::string message = shown.empty() ? "" : shown.front();
            for (auto [list, saved] : {std::pair{"custom", customSaved}, std::pair{"desktop", desktopSaved}}) {
                const bool named = message.find(list) != std::string::npos;
                EXPECT_TRUE(saved || named) << list;
                EXPECT_TRUE(fromThenOn || saved != named) << list;
            }
            EXPECT_EQ(shown.empty(), message.find("could not be saved") == std::string::npos) << message;
            program.ExpectMenuAsStored();
            program.ExpectRunning();
        }
    }
}

TEST(ApplicationFailures, OkOverAStoreThatCannotBeReadWritesNothingTellsItAndLeavesTheIconAnswering) {
    Session program;
    ASSERT_TRUE(program.app.StartUp());
    program.EditAndOk();
    program.app.OnMenuCommand(kPropertiesId);
    program.desktop.customList.Remove(1);
    program.desktop.store.failsReads = [](const std::string&, const std::string&) { return true; };
    const int writes = program.desktop.store.WriteCount();
    program.app.OnSettingsCommand(SettingsCommand::OK);
    EXPECT_EQ(program.desktop.store.WriteCount(), writes);
    EXPECT_EQ(program.desktop.messages.shown,
              std::vector<std::string>{
                  "Your custom and desktop lists could not be saved; the menu keeps the entries it had.\n"
                  "Your custom list could not be read in full: store cannot read Custom\n"
                  "Your desktop list could not be read in full: store cannot read Desktop"});
    EXPECT_FALSE(program.desktop.waitNotice.visible);
    EXPECT_FALSE(program.desktop.settingsWindow.visible);
    program.desktop.store.failsReads = nullptr;
    EXPECT_EQ(ReadList(program.desktop.store, kCustomSection).entries, program.customAfter);
    program.desktop.popup.choices = {kExitId};
    program.app.OnTrayMessage(kRightButtonUp);
    EXPECT_TRUE(program.desktop.program.ended);
}

// Every key and value of a section, as the store holds it.
std::vector<std::pair<std::string, std::optional<std::string>>> Held(const FakeSettingsStore& store,
                                                                   const std::string& section) {
    std::vector<std::pair<std::string, std::optional<std::string>>> held;
    for (const std::string& key : store.Keys(section)) held.emplace_back(key, store.Value(section, key));
    return held;
}

// The store fails to read one key of a list, terminator included, at the
// start and again at Properties; the user removes a row of that list and
// presses OK.
TEST(ApplicationFailures, ListThatCannotBeReadAtSomePositionIsNeverWrittenAndIsNamed) {
    for (const char* section : {kCustomSection, kDesktopSection}) {
        const bool custom = section == std::string(kCustomSection);
        const int entries = custom ? 3 : 2;
        for (int position = 1; position <= entries + 1; ++position) {
            SCOPED_TRACE(std::string(section) + " key " + std::to_string(position));
            Session program;
            FakeSettingsStore& store = program.desktop.store;
            const auto before = Held(store, section);
            const std::string failing = ChoiceKey(position);
            store.failsReads = [&](const std::string& s, const std::string& key) {
                return s == section && key == failing;
            };
            const std::string list = custom ? "custom" : "desktop";
            const std::string reason = "store cannot read " + std::string(section);

            ASSERT_TRUE(program.app.StartUp());
            EXPECT_EQ(program.desktop.messages.shown, std::vector<std::string>{ListNotReadMessage(list, reason)});
            const std::vector<ListEntry>& stored = custom ? program.customBefore : program.desktopBefore;
            EXPECT_EQ(custom ? program.app.Popup().Count() - 5 : DeskTopLevel(program.app.Popup()).Count() - 1,
                      position - 1);

            program.desktop.messages.shown.clear();
            program.app.OnMenuCommand(kPropertiesId);
            EXPECT_EQ(program.desktop.messages.shown,
                      std::vector<std::string>{NotReadNotSavedByOkMessage(list, reason)});
            FakeListView& view = custom ? program.desktop.customList : program.desktop.desktopList;
            EXPECT_EQ(view.Count(), position - 1);
            if (view.Count() > 0) view.Remove(1);
            program.desktop.messages.shown.clear();
            program.app.OnSettingsCommand(SettingsCommand::OK);
            ASSERT_EQ(program.desktop.messages.shown.size(), 1u);
            EXPECT_TRUE(program.desktop.messages.shown.front().starts_with("Your " + list +
                                                                            " list was not saved, as it could not be read in full."))
                << program.desktop.messages.shown.front();
            EXPECT_EQ(Held(store, section), before);
            EXPECT_TRUE(store.Keys(StagingSection(section)).empty());

            // Once it reads again, the next Properties and OK save it.
            store.failsReads = nullptr;
            program.desktop.messages.shown.clear();
            program.app.OnMenuCommand(kPropertiesId);
            view.Remove(1);
            program.app.OnSettingsCommand(SettingsCommand::OK);
            EXPECT_TRUE(program.desktop.messages.shown.empty());
            EXPECT_EQ(ReadList(store, section).entries, std::vector<ListEntry>(stored.begin() + 1, stored.end()));
        }
    }
}

// "Load DeskTop " replaces the whole desktop list, so the list that could
// not be read in full no longer stands in the way of OK.
TEST(ApplicationFailures, LoadDeskTopOverAListNotReadInFullLetsOkSaveIt) {
    Session program;
    FakeDesktop& desktop = program.desktop;
    desktop.folders.desktop = "C:\\Users\\me\\Desktop";
    desktop.folders.contents[desktop.folders.desktop] = {"Tool.lnk", "notes.txt"};
    const std::string failing = ChoiceKey(2);
    desktop.store.failsReads = [&](const std::string& section, const std::string& key) {
        return section == kDesktopSection && key == failing;
    };
    ASSERT_TRUE(program.app.StartUp());
    program.app.OnMenuCommand(kPropertiesId);
    desktop.store.failsReads = nullptr;
    desktop.messages.shown.clear();
    program.app.OnSettingsCommand(SettingsCommand::LoadDeskTop);
    program.app.OnSettingsCommand(SettingsCommand::OK);
    EXPECT_TRUE(desktop.messages.shown.empty()) << desktop.messages.shown.front();
    EXPECT_EQ(ReadList(desktop.store, kDesktopSection).entries,
              (std::vector<ListEntry>{MakeEntry("tool.lnk", "C:\\Users\\me\\Desktop\\"),
                                      MakeEntry("notes.txt", "C:\\Users\\me\\Desktop\\")}));
}

// Every failure met at start-up is told, in the order met, whatever its kind.
TEST(ApplicationFailures, StartUpTellsEveryFailureInOrder) {
    Session program;
    FakeDesktop& desktop = program.desktop;
    desktop.store.Seed(StagingSection(kCustomSection), "MenuChoice1", ChoiceValue("c3.txt", "C:\\Custom\\"));
    desktop.store.Seed(StagingSection(kCustomSection), "MenuChoice2", kDoneValue);
    desktop.store.Seed(StagingSection(kCustomSection), "Complete", "1");
    desktop.store.refuses = [](int) { return true; };
    desktop.store.failsReads = [](const std::string& section, const std::string&) {
        return section == kDesktopSection;
    };
    desktop.popup.failsPrepare = true;
    ASSERT_TRUE(program.app.StartUp());
    ASSERT_EQ(desktop.messages.shown.size(), 1u);
    std::vector<std::string> lines;
    std::istringstream told(desktop.messages.shown.front());
    for (std::string line; std::getline(told, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u) << desktop.messages.shown.front();
    EXPECT_TRUE(lines[0].starts_with("The last save of your custom list could not be finished: ")) << lines[0];
    EXPECT_EQ(lines[1], ListNotReadMessage("desktop", "store cannot read Desktop"));
    EXPECT_EQ(lines[2], kListsNotLoadedMessage + std::string("the menu cannot be made"));
}

// The store takes the staging of OK's custom list and then refuses every
// write from some point of the copy or its rollback on; later it takes
// writes again, and the user saves again, then saves without a change, then
// starts the program anew. The list never reads mixed after any of these,
// and no list the user confirmed is replaced by an older one.
TEST(ApplicationFailures, SaveLeftBehindIsFinishedBeforeTheNextSaveAndNeverLost) {
    Session dryRun;
    ASSERT_TRUE(dryRun.app.StartUp());
    const int writes = dryRun.WritesOfEditAndOk();
    int leftBehind = 0;
    for (int n = 1; n <= writes; ++n) {
        SCOPED_TRACE("from write " + std::to_string(n));
        Session program;
        FakeSettingsStore& store = program.desktop.store;
        ASSERT_TRUE(program.app.StartUp());
        store.refuses = Refusing(store.WriteCount() + n, true);
        program.EditAndOk();
        store.refuses = nullptr;
        leftBehind += !store.Keys(StagingSection(kCustomSection)).empty();
        const std::vector<ListEntry> firstOk = program.customAfter;

        program.app.OnMenuCommand(kPropertiesId);
        std::vector<ListEntry> shown;
        for (const ListRow& row : program.desktop.customList.rows) shown.push_back(MakeEntry(row.text, row.subItem));
        EXPECT_TRUE(shown == program.customBefore || shown == firstOk);
        program.desktop.customList.Remove(1);
        shown.erase(shown.begin());
        program.app.OnSettingsCommand(SettingsCommand::OK);
        EXPECT_EQ(ReadList(store, kCustomSection).entries, shown);

        program.app.OnMenuCommand(kPropertiesId);
        program.app.OnSettingsCommand(SettingsCommand::OK);
        EXPECT_EQ(ReadList(store, kCustomSection).entries, shown);

        Application restarted(program.desktop.tray, program.desktop.sources, program.desktop);
        ASSERT_TRUE(restarted.StartUp());
        EXPECT_EQ(ReadList(store, kCustomSection).entries, shown);
        EXPECT_EQ(store.Sections(), (std::vector<std::string>{kCustomSection, kDesktopSection}));
    }
    // Some refusals did leave the only whole copy in the staging section.
    EXPECT_GT(leftBehind, 0);
}

TEST(ApplicationFailures, FailedOpenShowsTheSystemsReasonAndNamesTheFile) {
    const std::string reason = "The system cannot find the file specified.";
    struct Case {
        const char* what;
        std::function<void(Session&)> act;
        std::string message;
    };
    const Case cases[] = {
        {"custom entry", [](Session& p) { p.app.OnMenuCommand(kCustomIdBase + 2); },
         "Could not open C:\\Custom\\c2.txt: " + reason},
        {"desktop entry", [](Session& p) { p.app.OnMenuCommand(kDesktopIdBase + 1); },
         "Could not open C:\\Desk\\d1.txt: " + reason},
        {"Explorer from the icon", [](Session& p) { p.app.OnTrayMessage(kLeftButtonDown); },
         "Could not start the Explorer: " + reason},
        {"Launch Explorer", [](Session& p) { p.app.OnSettingsCommand(SettingsCommand::StartExplorer); },
         "Could not start the Explorer: " + reason},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session program;
        ASSERT_TRUE(program.app.StartUp());
        program.desktop.launcher.failure = reason;
        c.act(program);
        EXPECT_EQ(program.desktop.messages.shown, std::vector<std::string>{c.message});
        program.desktop.launcher.failure.reset();
        program.desktop.messages.shown.clear();
        program.ExpectRunning();
        EXPECT_TRUE(program.desktop.messages.shown.empty());
    }
}

}  // namespace
}  // namespace kelvo
