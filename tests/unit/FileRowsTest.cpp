#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "fakes/FakeDesktop.h"
#include "lists/EntryImages.h"
#include "lists/DesktopScan.h"
#include "lists/FileRows.h"
#include "lists/ListFiles.h"

namespace kelvo {
namespace {

// Executable types as the shell reports them: "PE" with Windows 4.0 in the
// high word for a Windows program, "PE" alone for a console program, "MZ"
// for a DOS program.
constexpr std::int32_t kWindowsProgram = 0x04005045;
constexpr std::int32_t kConsoleProgram = 0x00004550;
constexpr std::int32_t kDosProgram = 0x00005A4D;

struct KeyCase {
    const char* label;
    const char* name;
    FakeFileFacts facts;
    const char* expectedKey;
};

class ImageKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ImageKeyTest, KeyFollowsTheKindOfFile) {
    FakeShellInfo shell;
    const KeyCase& c = GetParam();
    const std::string path = std::string("C:\\D\\") + c.name;
    shell.Add(path, c.facts);
    EXPECT_EQ(ImageKeyOf(shell, c.name, path, c.facts.typeName), c.expectedKey);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ImageKeyTest,
    ::testing::Values(
        KeyCase{"windows_program", "Tool.exe", {"Application", 3, kWindowsProgram}, "Tool.exe"},
        KeyCase{"console_program", "Tool.exe", {"Application", 3, kConsoleProgram}, "DOSExeIcon"},
        KeyCase{"dos_program", "OLD.COM", {"APPLICATION", 3, kDosProgram}, "DOSExeIcon"},
        KeyCase{"shortcut", "Tool.lnk", {"Shortcut", 4, 0}, "Tool.lnk"},
        KeyCase{"document", "Notes.txt", {"Text Document", 5, 0}, "text document"},
        KeyCase{"folder", "Projects", {"File Folder", 6, 0}, "file folder"},
        // Only ASCII letters are lowered; the others stay as the shell wrote them.
        KeyCase{"unicode_type", "cv.doc", {std::string("R\xC3\x89SUM\xC3\x89 File"), 7, 0},
                "r\xC3\x89sum\xC3\x89 file"},
        KeyCase{"type_cut_at_nul", "Notes.txt", {std::string("Text Document\0junk", 18), 5, 0},
                "text document"},
        // Translated type names, and shells that name programs by extension.
        KeyCase{"translated_program", "Tool.EXE", {"Anwendung", 3, kWindowsProgram}, "Tool.EXE"},
        KeyCase{"program_named_by_extension", "Tool.exe", {"exe file", 3, kConsoleProgram}, "DOSExeIcon"},
        KeyCase{"translated_shortcut", "Tool.lnk", {"Verkn\xC3\xBCpfung", 4, 0}, "Tool.lnk"}),
    [](const auto& info) { return std::string(info.param.label); });

class FileRowsTest : public ::testing::Test {
protected:
    void AddStored(const std::string& name, FakeFileFacts facts) {
        desktop.shell.Add("C:\\D\\" + name, std::move(facts));
        AddEntryRow(desktop.shell, desktop.lists.desktop, MakeEntry(name, "C:\\D\\"));
    }

    FakeListParts desktop;
};

TEST_F(FileRowsTest, DocumentsOfOneTypeShareOneImage) {
    ResetImages(desktop.lists.desktop);
    AddStored("a.txt", {"Text Document", 5, 0});
    AddStored("b.txt", {"Text Document", 5, 0});
    EXPECT_EQ(desktop.desktopImages.keys, (std::vector<std::string>{"dummy", "text document"}));
    EXPECT_EQ(desktop.desktopList.rows[0].iconKey, "text document");
    EXPECT_EQ(desktop.desktopList.rows[1].iconKey, "text document");
    EXPECT_EQ(desktop.desktopList.rows[1], (ListRow{"b.txt", "C:\\D\\", "text document"}));
}

TEST_F(FileRowsTest, DosProgramsShareOneImageAndWindowsProgramsHaveTheirOwn) {
    AddStored("one.com", {"Application", 8, kDosProgram});
    AddStored("two.exe", {"Application", 9, kConsoleProgram});
    AddStored("gui.exe", {"Application", 10, kWindowsProgram});
    AddStored("edit.exe", {"Application", 11, kWindowsProgram});
    EXPECT_EQ(desktop.desktopImages.keys, (std::vector<std::string>{"DOSExeIcon", "gui.exe", "edit.exe"}));
    EXPECT_EQ(desktop.desktopImages.pictures.at("DOSExeIcon"), IconImage::Filled(kBaseIconSide, 8));
    EXPECT_EQ(desktop.desktopList.rows[1].iconKey, "DOSExeIcon");
    EXPECT_EQ(desktop.desktopImages.pictures.at("edit.exe"), IconImage::Filled(kBaseIconSide, 11));
}

TEST_F(FileRowsTest, FileWithoutPictureIsStillListed) {
    desktop.shell.drawingFails = true;
    AddStored("a.txt", {"Text Document", 5, 0});
    AddStored("unknown.bin", {});
    desktop.files.Add("C:\\D\\gone-from-shell.txt");
    AddEntryRow(desktop.shell, desktop.lists.desktop, MakeEntry("gone-from-shell.txt", "C:\\D\\"));
    ASSERT_EQ(desktop.desktopList.rows.size(), 3u);
    EXPECT_EQ(desktop.desktopList.rows[0], (ListRow{"a.txt", "C:\\D\\", ""}));
    EXPECT_EQ(desktop.desktopList.rows[2].iconKey, "");
    EXPECT_EQ(desktop.desktopImages.Count(), 0);
}

TEST_F(FileRowsTest, CustomFilesGoToTheCustomListAndItsImages) {
    desktop.shell.Add("C:\\D\\a.txt", {"Text Document", 5, 0});
    AddEntryRow(desktop.shell, desktop.lists.custom, MakeEntry("a.txt", "C:\\D\\"));
    EXPECT_TRUE(desktop.desktopList.rows.empty());
    EXPECT_EQ(desktop.customList.rows[0], (ListRow{"a.txt", "C:\\D\\", "text document"}));
    EXPECT_TRUE(desktop.customImages.Contains("text document"));
}

TEST_F(FileRowsTest, ResetLeavesOnlyTheBlankPicture) {
    AddStored("a.txt", {"Text Document", 5, 0});
    AddStored("gui.exe", {"Application", 10, kWindowsProgram});
    ResetImages(desktop.lists.desktop);
    EXPECT_EQ(desktop.desktopImages.keys, (std::vector<std::string>{"dummy"}));
}

// The window moved to a monitor at twice the scale: every picture comes
// again, 32 pixels across, from the shell (or, for the unavailable sign,
// drawn anew), and the rows keep their keys.
TEST_F(FileRowsTest, PicturesAreDrawnAgainAtTheNewSide) {
    ResetImages(desktop.lists.desktop);
    AddStored("a.txt", {"Text Document", 5, 0});
    AddStored("b.txt", {"Text Document", 5, 0});
    AddStored("gui.exe", {"Application", 10, kWindowsProgram});
    AddUnavailableRow(RowTarget{desktop.desktopList, desktop.desktopImages}, "far.txt", "\\\\gone\\share\\");
    desktop.shell.files.erase("C:\\D\\gui.exe");
    const std::vector<ListRow> rows = desktop.desktopList.rows;
    const int describesBefore = desktop.shell.describes;

    desktop.desktopImages.side = 32;
    RedrawRowPictures(desktop.shell, RowTarget{desktop.desktopList, desktop.desktopImages});

    EXPECT_EQ(desktop.desktopList.rows, rows);
    EXPECT_EQ(desktop.desktopImages.keys, (std::vector<std::string>{"dummy", "text document", "<unavailable>"}))
        << "one look per key; a program the shell has forgotten keeps no picture";
    EXPECT_EQ(desktop.shell.describes - describesBefore, 2);
    EXPECT_EQ(desktop.desktopImages.pictures.at("text document"), IconImage::Filled(32, 5));
    EXPECT_EQ(desktop.desktopImages.pictures.at("dummy"), IconImage::Filled(32, 0xFFFFFF));
    const IconImage& sign = desktop.desktopImages.pictures.at("<unavailable>");
    EXPECT_EQ(sign.At(16, 1), 0xD01010u) << "the ring reaches the top at every scale";
    EXPECT_EQ(sign.At(0, 0), 0xFFFFFFu);
    EXPECT_EQ(desktop.log.back(), "desktopList.AttachImages") << "the view maps its rows to the new pictures";
}

class DesktopScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop.folders.desktop = "C:\\Users\\me\\Desktop";
        desktop.desktopList.Append(ListRow{"old.txt", "C:\\old\\", ""});
    }
    void Scan(std::vector<std::string> names) {
        desktop.folders.contents[desktop.folders.desktop] = std::move(names);
        LoadDeskTop(desktop.sources, desktop.lists, desktop.pump, state);
    }

    FakeListParts desktop;
    ListsState state;
};

TEST_F(DesktopScanTest, OnlyDotEntriesGiveAnEmptyList) {
    Scan({".", ".."});
    EXPECT_TRUE(desktop.desktopList.rows.empty());
    EXPECT_EQ(desktop.desktopImages.keys, (std::vector<std::string>{"dummy"}));
}

// The fake folders lower-case ASCII letters only: "RÉSUMÉ.TXT" shows that
// the names are lowered by the platform, not by the scan.
TEST_F(DesktopScanTest, NamesAreLowerCasedByThePlatformWithTheDesktopAsLocation) {
    desktop.shell.Add("C:\\Users\\me\\Desktop\\README.TXT", {"Text Document", 5, 0});
    Scan({".", "..", "README.TXT", "Hidden.ini", "Projects", "R\xC3\x89SUM\xC3\x89.TXT"});
    const std::string location = "C:\\Users\\me\\Desktop\\";
    ASSERT_EQ(desktop.desktopList.rows.size(), 4u);
    EXPECT_EQ(desktop.desktopList.rows[0], (ListRow{"readme.txt", location, "text document"}));
    EXPECT_EQ(desktop.desktopList.rows[1].text, "hidden.ini");
    EXPECT_EQ(desktop.desktopList.rows[2].text, "projects");
    EXPECT_EQ(desktop.desktopList.rows[3].text, "r\xC3\x89sum\xC3\x89.txt");
    EXPECT_EQ(state.desktopPath, location);
    EXPECT_EQ(desktop.desktopList.repaints, 3);
}

TEST_F(DesktopScanTest, ProgramImagesKeyOnTheNameAsFound) {
    desktop.shell.Add("C:\\Users\\me\\Desktop\\Tool.EXE", {"Application", 10, kWindowsProgram});
    Scan({"Tool.EXE"});
    EXPECT_EQ(desktop.desktopList.rows[0].text, "tool.exe");
    EXPECT_EQ(desktop.desktopList.rows[0].iconKey, "Tool.EXE");
}

TEST_F(DesktopScanTest, NoDesktopFolderAddsNothingAndRestoresThePointer) {
    desktop.folders.desktop.clear();
    Scan({"a.txt"});
    EXPECT_TRUE(desktop.desktopList.rows.empty());
    EXPECT_FALSE(desktop.pointer.busy);
    EXPECT_EQ(desktop.log, (CallLog{"desktopList.Insert old.txt", "desktopList.Clear", "desktopList.DetachImages",
                                    "desktopImages.Clear", "desktopImages.Add dummy", "desktopList.AttachImages",
                                    "pointer.Busy", "pump.RunPending", "pointer.Idle"}));
}

// The user's desktop and the one shared by all users, as one list.
struct MergeCase {
    const char* label;
    std::vector<std::string> own;
    std::optional<std::vector<std::string>> shared;  // nullopt: the system has none
    std::vector<std::pair<std::string, char>> rows;   // text, and 'o'wn or 's'hared location
};

class DesktopMergeTest : public ::testing::TestWithParam<MergeCase> {};

TEST_P(DesktopMergeTest, SharedEntriesFollowTheUsersOwnWithTheirFolderAsLocation) {
    const MergeCase& c = GetParam();
    const std::string own = "C:\\Users\\me\\Desktop";
    const std::string shared = "C:\\Users\\Public\\Desktop";
    FakeListParts desktop;
    ListsState state;
    desktop.folders.desktop = own;
    desktop.folders.contents[own] = c.own;
    if (c.shared) {
        desktop.folders.publicDesktop = shared;
        desktop.folders.contents[shared] = *c.shared;
    }
    LoadDeskTop(desktop.sources, desktop.lists, desktop.pump, state);

    std::vector<ListRow> expected;
    for (const auto& [text, where] : c.rows) expected.push_back(ListRow{text, (where == 'o' ? own : shared) + "\\", ""});
    for (ListRow& row : desktop.desktopList.rows) row.iconKey.clear();
    EXPECT_EQ(desktop.desktopList.rows, expected);
    EXPECT_EQ(state.desktopPath, own + "\\");
    EXPECT_FALSE(desktop.pointer.busy);
    EXPECT_TRUE(desktop.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, DesktopMergeTest,
    ::testing::Values(
        MergeCase{"own_then_shared_each_in_folder_order", {".", "..", "b.txt", "a.txt"}, {{".", "..", "Z.lnk", "c.lnk"}},
                  {{"b.txt", 'o'}, {"a.txt", 'o'}, {"z.lnk", 's'}, {"c.lnk", 's'}}},
        MergeCase{"a_name_on_both_is_listed_once_from_the_own", {"Mail.lnk", "x.txt"}, {{"Mail.lnk", "Web.lnk"}},
                  {{"mail.lnk", 'o'}, {"x.txt", 'o'}, {"web.lnk", 's'}}},
        MergeCase{"names_that_differ_in_case_only_are_one_name", {"Mail.LNK"}, {{"MAIL.lnk"}}, {{"mail.lnk", 'o'}}},
        MergeCase{"the_own_folder_keeps_names_that_look_alike", {"A.txt", "a.txt"}, {{"a.TXT"}},
                  {{"a.txt", 'o'}, {"a.txt", 'o'}}},
        MergeCase{"only_on_the_shared_desktop", {}, {{"Office.lnk"}}, {{"office.lnk", 's'}}},
        MergeCase{"an_empty_shared_desktop", {"a.txt"}, {{".", ".."}}, {{"a.txt", 'o'}}},
        MergeCase{"no_shared_desktop", {"a.txt"}, std::nullopt, {{"a.txt", 'o'}}},
        MergeCase{"a_shared_desktop_that_cannot_be_read", {"a.txt"}, std::vector<std::string>{}, {{"a.txt", 'o'}}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DesktopScanTest, NoOwnDesktopStillListsTheSharedOne) {
    desktop.folders.desktop.clear();
    desktop.folders.publicDesktop = "C:\\Users\\Public\\Desktop";
    desktop.folders.contents[desktop.folders.publicDesktop] = {"Office.lnk"};
    LoadDeskTop(desktop.sources, desktop.lists, desktop.pump, state);
    EXPECT_EQ(desktop.desktopList.rows, (std::vector<ListRow>{{"office.lnk", "C:\\Users\\Public\\Desktop\\", ""}}));
}

}  // namespace
}  // namespace kelvo
