#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeFolderReader.h"
#include "menus/FolderRows.h"

namespace kelvo {
namespace {

const std::string kDocs = "C:\\Docs";

FolderRow FolderNamed(const std::string& path) {
    return FolderRow{path, path, path, false};
}

class FolderRowsTest : public ::testing::Test {
protected:
    FolderRows Read(const FolderRow& row) { return ReadFolderRows(reader, roots, row); }
    FolderRows Read(const std::string& folder) { return Read(FolderNamed(folder)); }
    std::vector<std::string> Captions(const std::string& folder) {
        std::vector<std::string> captions;
        for (const FolderRow& row : Read(folder).rows) captions.push_back(row.caption);
        return captions;
    }

    FakeFolderReader reader;
    FakeFileSystem files;
    ReachableRoots roots{files};
};

// One folder of every kind of item, seen under each of Explorer's choices.
TEST_F(FolderRowsTest, FoldersComeFirstThenFilesEachInExplorersOrderAsExplorerShowsThem) {
    reader.Hold(kDocs, {
        ListedFile("file 10.txt"), ListedFolder("Zeta"), ListedFile("file 2.txt"), ListedFile("beta.TXT"),
        ListedFolder("alpha"), ListedFile("hidden.txt", true), ListedFolder("Hidden Folder", true),
        ListedFile("pagefile.sys", true, true), ListedFile("system only.dat", false, true),
        ListedFile("DeskTop.INI", true, true), ListedFile("Thumbs.db", true, true), ListedFile("thumbs.db.txt"),
        ListedFile("README"), ListedFile(".profile"), ListedFile("archive.tar.gz"),
    });
    reader.extensions = {{".txt", TypeExtension::Known}, {".gz", TypeExtension::Known},
                         {".sys", TypeExtension::AlwaysShown}, {".profile", TypeExtension::Known}};
    const struct {
        const char* what;
        ExplorerView view;
        std::vector<std::string> captions;
    } cases[] = {
        {"Explorer's defaults", {false, false, false},
         {"alpha", "Zeta", ".profile", "archive.tar", "beta", "file 2", "file 10", "README", "system only.dat",
          "thumbs.db"}},
        {"hidden items shown", {true, false, false},
         {"alpha", "Hidden Folder", "Zeta", ".profile", "archive.tar", "beta", "file 2", "file 10", "hidden",
          "README", "system only.dat", "thumbs.db"}},
        // A protected system file is hidden too: it needs both choices.
        {"protected files shown, hidden ones not", {false, true, false},
         {"alpha", "Zeta", ".profile", "archive.tar", "beta", "file 2", "file 10", "README", "system only.dat",
          "thumbs.db"}},
        {"everything shown, extensions too", {true, true, true},
         {"alpha", "Hidden Folder", "Zeta", ".profile", "archive.tar.gz", "beta.TXT", "file 2.txt", "file 10.txt",
          "hidden.txt", "pagefile.sys", "README", "system only.dat", "thumbs.db.txt"}},
    };
    for (const auto& c : cases) {
        reader.view = c.view;
        EXPECT_EQ(Captions(kDocs), c.captions) << c.what;
    }
}

TEST_F(FolderRowsTest, EachRowKnowsItsPathAndWhetherItOpensASubmenu) {
    reader.Hold("C:\\", {ListedFile("boot.txt"), ListedFolder("Users")});
    const FolderRows read = Read(FolderNamed("C:\\"));
    ASSERT_EQ(read.outcome, FolderOutcome::Rows);
    EXPECT_EQ(read.rows, (std::vector<FolderRow>{{"Users", "C:\\Users", "C:\\Users", false},
                                                  {"boot.txt", "C:\\boot.txt", "", false}}));
    EXPECT_TRUE(read.rows[0].Cascades());
    EXPECT_FALSE(read.rows[1].Cascades());
    EXPECT_EQ(StatusRowText(read), "");
}

TEST_F(FolderRowsTest, ExtensionsAreAskedForOncePerTypeAndShortcutsNever) {
    reader.Hold(kDocs, {ListedFile("a.txt"), ListedFile("b.TXT"), ListedFile("c.txt"), ListedFile("d.lnk")});
    reader.extensions = {{".lnk", TypeExtension::AlwaysShown}};
    EXPECT_EQ(Captions(kDocs), (std::vector<std::string>{"a.txt", "b.TXT", "c.txt", "d"}));
    EXPECT_EQ(reader.extensionQueries, 1);
}

TEST_F(FolderRowsTest, ShortcutsOpenAsSubmenusWhereTheyLeadToAFolderOrADrive) {
    reader.Hold(kDocs, {ListedFile("Projects.lnk"), ListedFile("Stick.LNK"), ListedFile("Notes.lnk"),
                        ListedFile("Gone.lnk"), ListedFile("Slow.lnk"), ListedFile("My.Files.lnk"),
                        ListedFolder("Old.lnk")});
    reader.shortcuts = {
        {kDocs + "\\Projects.lnk", {ShortcutLeadsTo::Folder, "D:\\Projects"}},
        {kDocs + "\\Stick.LNK", {ShortcutLeadsTo::Drive, "E:\\"}},
        {kDocs + "\\Notes.lnk", {ShortcutLeadsTo::File, "C:\\notes.txt"}},
        {kDocs + "\\Gone.lnk", {ShortcutLeadsTo::Broken, "C:\\gone.txt"}},
        {kDocs + "\\Slow.lnk", {ShortcutLeadsTo::NotResponding, ""}},
        {kDocs + "\\My.Files.lnk", {ShortcutLeadsTo::Folder, "C:\\My.Files"}},
    };
    const FolderRows read = Read(kDocs);
    const std::vector<FolderRow> expected = {
        {"Old.lnk", kDocs + "\\Old.lnk", kDocs + "\\Old.lnk", false},
        {"Gone", kDocs + "\\Gone.lnk", "", false},
        {"My.Files", kDocs + "\\My.Files.lnk", "C:\\My.Files", false},
        {"Notes", kDocs + "\\Notes.lnk", "", false},
        {"Projects", kDocs + "\\Projects.lnk", "D:\\Projects", false},
        {"Slow", kDocs + "\\Slow.lnk", "", true},
        {"Stick", kDocs + "\\Stick.LNK", "E:\\", false},
    };
    EXPECT_EQ(read.rows, expected);
    ASSERT_EQ(reader.resolved.size(), 1u) << "the folder's shortcuts are resolved together";
    EXPECT_EQ(reader.resolved[0].size(), 6u) << "a folder named like a shortcut is a folder";

    reader.Hold("D:\\Projects", {ListedFile("plan.doc")});
    EXPECT_EQ(Read(expected[4]).rows.at(0).path, "D:\\Projects\\plan.doc") << "the target is listed";
    reader.listed.clear();
    const FolderRows slow = Read(expected[5]);
    EXPECT_EQ(StatusRowText(slow), "Not responding");
    EXPECT_TRUE(reader.listed.empty());
}

TEST_F(FolderRowsTest, ShortcutsAreResolvedKnowingWhichRootsDoNotAnswer) {
    files.unreachableRoots = {"\\\\Server\\Gone\\"};
    ASSERT_FALSE(roots.Reachable("\\\\Server\\Gone\\folder"));
    reader.Hold(kDocs, {ListedFile("Share.lnk")});
    Read(kDocs);
    EXPECT_EQ(reader.unreachableRootsGiven, (std::set<std::string>{"\\\\server\\gone\\"}));
}

// What a folder without rows shows instead, and when it is asked at all.
TEST_F(FolderRowsTest, AFolderWithoutRowsSaysWhy) {
    reader.Hold("C:\\Empty", {});
    reader.Hold("C:\\Only hidden", {ListedFile("desktop.ini", true, true), ListedFile("secret.txt", true)});
    reader.folders["C:\\Locked"] = FolderListing{ListingOutcome::Unreadable, {}, "Access is denied."};
    reader.folders["C:\\Slow"] = FolderListing{ListingOutcome::NotResponding, {}, {}};
    reader.folders["\\\\server\\off\\a"] = FolderListing{ListingOutcome::NotAvailable, {}, {}};
    const struct {
        std::string folder;
        FolderOutcome outcome;
        std::string text;
    } cases[] = {
        {"C:\\Empty", FolderOutcome::Empty, "(empty)"},
        {"C:\\Only hidden", FolderOutcome::Empty, "(empty)"},
        {"C:\\Locked", FolderOutcome::Unreadable, "Access is denied."},
        {"C:\\Missing", FolderOutcome::Unreadable, "The system cannot find the path specified."},
        {"C:\\Slow", FolderOutcome::NotResponding, "Not responding"},
        {"\\\\server\\off\\a", FolderOutcome::NotAvailable, "Not available"},
    };
    for (const auto& c : cases) {
        const FolderRows read = Read(c.folder);
        EXPECT_EQ(read.outcome, c.outcome) << c.folder;
        EXPECT_TRUE(read.rows.empty()) << c.folder;
        EXPECT_EQ(StatusRowText(read), c.text) << c.folder;
    }
}

TEST_F(FolderRowsTest, AFolderOnARootKnownNotToAnswerIsNotAsked) {
    files.unreachableRoots = {"F:\\"};
    ASSERT_FALSE(roots.Reachable("F:\\Photos"));
    reader.Hold("F:\\Photos", {ListedFile("a.jpg")});
    EXPECT_EQ(Read("f:\\Photos").outcome, FolderOutcome::NotAvailable);
    EXPECT_TRUE(reader.listed.empty());
}

// A share that did not answer once is not asked again for another folder,
// nor is a drive one of whose folders ran past the deadline: each would
// hold the popup once more. Another drive is still listed.
TEST_F(FolderRowsTest, ARootThatDidNotAnswerIsNotAskedAgain) {
    reader.folders["\\\\server\\off\\a"] = FolderListing{ListingOutcome::NotAvailable, {}, {}};
    reader.folders["C:\\Slow"] = FolderListing{ListingOutcome::NotResponding, {}, {}};
    reader.Hold("C:\\Fast", {ListedFile("a.txt")});
    reader.Hold("D:\\Other", {ListedFile("b.txt")});
    Read("\\\\server\\off\\a");
    EXPECT_EQ(Read("\\\\Server\\Off\\b").outcome, FolderOutcome::NotAvailable);
    EXPECT_EQ(Read("C:\\Slow").outcome, FolderOutcome::NotResponding);
    EXPECT_EQ(Read("c:\\Fast").outcome, FolderOutcome::NotResponding);
    EXPECT_EQ(Read("D:\\Other").outcome, FolderOutcome::Rows);
    EXPECT_EQ(reader.listed, (std::vector<std::string>{"\\\\server\\off\\a", "C:\\Slow", "D:\\Other"}));
    EXPECT_EQ(files.rootQueries, 0) << "no drive is asked whether it answers";
}

}  // namespace
}  // namespace kelvo
