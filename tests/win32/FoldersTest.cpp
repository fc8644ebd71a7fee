#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "FixtureFiles.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Folders.h"
#include "platform/win32/WineCheck.h"

namespace kelvo {
namespace {

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// A fixture folder in the temp folder with a document, a hidden file, a
// subfolder with a file of its own, a name outside the ANSI code page, an
// empty folder and a folder below a path longer than MAX_PATH.
class FoldersTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root = Narrow(temp) + "kelvo-folders-" + std::to_string(GetCurrentProcessId());
        MakeFolder(root);
        Touch(root + "\\README.TXT");
        Touch(root + "\\hidden.dat");
        SetFileAttributesW(Widen(root + "\\hidden.dat").c_str(), FILE_ATTRIBUTE_HIDDEN);
        MakeFolder(root + "\\Sub Folder");
        Touch(root + "\\Sub Folder\\inner.txt");
        Touch(root + "\\\xD0\x94\xD0\x9E\xD0\x9C \xCE\xB1\xCE\xB2\xCE\xB3.txt");  // ДОМ αβγ.txt
        MakeFolder(root + "\\Empty");
        deep = root;
        for (int i = 0; i < 6; ++i) MakeFolder(deep += "\\" + std::string(50, static_cast<char>('a' + i)));
        Touch(deep + "\\deep.txt");
    }
    static void TearDownTestSuite() {
        RemoveTree(root);
    }
    static void MakeFolder(const std::string& path) { CreateDirectoryW(LongPathForm(path).c_str(), nullptr); }
    static void Touch(const std::string& path) {
        CloseHandle(CreateFileW(LongPathForm(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    }

    static inline std::string root;
    static inline std::string deep;
    Win32Folders folders;
};

TEST_F(FoldersTest, ListsEveryEntryOfAFolder) {
    const std::vector<std::string> all = Sorted({".", "..", "README.TXT", "hidden.dat", "Sub Folder",
                                                 "\xD0\x94\xD0\x9E\xD0\x9C \xCE\xB1\xCE\xB2\xCE\xB3.txt",
                                                 "Empty", std::string(50, 'a')});
    struct Case {
        std::string folder;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {root, all},
        {root + "\\", all},  // a trailing backslash is not doubled
        {root + "\\Sub Folder", {".", "..", "inner.txt"}},
        {root + "\\Empty", {".", ".."}},
        {deep, {".", "..", "deep.txt"}},
        {root + "\\missing", {}},
        {root + "\\README.TXT", {}},  // a file is no folder
        {"", {}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> names = folders.List(c.folder);
        EXPECT_EQ(Sorted(names), Sorted(c.names)) << c.folder;
    }
}

TEST_F(FoldersTest, KeepsTheFileSystemsOrder) {
    std::vector<std::string> expected;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(Widen(root + "\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        expected.push_back(Narrow(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    EXPECT_EQ(folders.List(root), expected);
}

TEST_F(FoldersTest, FindsTheDesktopFolder) {
    const std::string desktop = folders.DesktopFolder();
    std::cout << "  desktop folder: " << desktop << "\n";
    ASSERT_FALSE(desktop.empty());
    EXPECT_NE(desktop.back(), '\\');
    const DWORD attributes = GetFileAttributesW(Widen(desktop).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    const std::vector<std::string> names = folders.List(desktop);
    EXPECT_NE(std::find(names.begin(), names.end(), "."), names.end());
}

// Wine keeps the desktop shared by all users in C:\users\Public\Desktop.
TEST_F(FoldersTest, FindsTheDesktopSharedByAllUsersAndListsWhatIsPutThere) {
    const std::string shared = folders.PublicDesktopFolder();
    std::cout << "  shared desktop: " << shared << "\n";
    ASSERT_FALSE(shared.empty());
    EXPECT_NE(shared.back(), '\\');
    EXPECT_NE(shared, folders.DesktopFolder());
    if (RunsUnderWine()) {
        EXPECT_EQ(CompareStringOrdinal(Widen(shared).c_str(), -1, L"C:\\users\\Public\\Desktop", -1, TRUE), CSTR_EQUAL);
    }
    const DWORD attributes = GetFileAttributesW(Widen(shared).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);

    const std::string name = "kelvo-shared-" + std::to_string(GetCurrentProcessId()) + ".txt";
    Touch(shared + "\\" + name);
    const std::vector<std::string> names = folders.List(shared);
    DeleteFileW(Widen(shared + "\\" + name).c_str());
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end());
}

// A fixture standing in for the desktop brings its own shared desktop, or none.
TEST_F(FoldersTest, AFixtureDesktopHasOnlyTheSharedDesktopGivenWithIt) {
    EXPECT_EQ(Win32Folders(root).PublicDesktopFolder(), "");
    EXPECT_EQ(Win32Folders(root, root + "\\Empty").PublicDesktopFolder(), root + "\\Empty");
}

}  // namespace
}  // namespace kelvo
