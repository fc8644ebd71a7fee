#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "FixtureFiles.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"

namespace kelvo {
namespace {

// A fixture folder in the temp folder with one file, one subfolder and one
// file deeper than MAX_PATH.
class FileSystemTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root = Narrow(temp) + "kelvo-fs-" + std::to_string(GetCurrentProcessId());
        MakeFolder(root);
        MakeFolder(root + "\\sub folder");
        MakeFile(root + "\\\xC3\x9C" "berblick.txt");
        deep = root;
        for (int i = 0; i < 6; ++i) {
            deep += "\\" + std::string(50, static_cast<char>('a' + i));
            MakeFolder(deep);
        }
        deep += "\\deep.txt";
        MakeFile(deep);
    }
    // Removes exactly what was made, deepest first: a recursive delete of
    // paths beyond MAX_PATH is not safe everywhere.
    static void TearDownTestSuite() {
        for (auto made = created.rbegin(); made != created.rend(); ++made) {
            const std::wstring path = LongPathForm(made->first);
            if (made->second) {
                RemoveDirectoryW(path.c_str());
            } else {
                DeleteFileW(path.c_str());
            }
        }
        created.clear();
    }
    static void MakeFolder(const std::string& path) {
        // A run that ended early may have left it behind.
        ASSERT_TRUE(CreateDirectoryW(LongPathForm(path).c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS)
            << path;
        created.emplace_back(path, true);
    }
    static void MakeFile(const std::string& path) {
        HANDLE file = CreateFileW(LongPathForm(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
        CloseHandle(file);
        created.emplace_back(path, false);
    }

    static inline std::string root;
    static inline std::string deep;
    static inline std::vector<std::pair<std::string, bool>> created;  // path, is a folder
    Win32FileSystem files;
};

TEST_F(FileSystemTest, FindsWhatIsThereAndTellsWhyNot) {
    struct Case {
        std::string path;
        PathLookup found;
    };
    const Case cases[] = {
        {root + "\\\xC3\x9C" "berblick.txt", PathLookup::Found},
        {root + "\\\xC3\xBC" "BERBLICK.TXT", PathLookup::Found},  // names match without regard to case
        {root + "\\sub folder", PathLookup::Found},
        {root + "\\sub folder\\", PathLookup::Found},
        {root + "\\missing.txt", PathLookup::FileNotFound},
        {root + "\\sub folder\\missing.txt", PathLookup::FileNotFound},
        {root + "\\no folder\\missing.txt", PathLookup::PathNotFound},
        // Wildcards are taken literally: no file can have such a name, but
        // the system does not say that it is not there.
        {root + "\\*.txt", PathLookup::OtherError},
        {"", PathLookup::FileNotFound},
        {deep, PathLookup::Found},
        {deep + ".bak", PathLookup::FileNotFound},
    };
    for (const Case& c : cases) EXPECT_EQ(files.Look(c.path), c.found) << c.path;
}

TEST(RootReachable, AnswersForDrivesAndSharesThatAreThereOnly) {
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::string systemRoot = Narrow(windows).substr(0, 3);
    const std::string absent = AbsentDriveRoot();
    ASSERT_FALSE(absent.empty());
    struct Case {
        std::string root;
        bool reachable;
    };
    const Case cases[] = {
        {systemRoot, true},
        {std::string(1, static_cast<char>(systemRoot[0] | 0x20)) + ":\\", true},
        {absent, false},
        {"\\\\kelvo-no-such-server\\share\\", false},
    };
    Win32FileSystem files;
    for (const Case& c : cases) EXPECT_EQ(files.RootReachable(c.root), c.reachable) << c.root;
}

TEST(LongPathForm, PrefixesOnlyFullPathsLongerThanMaxPath) {
    const std::string longTail = "\\" + std::string(300, 'x');
    EXPECT_EQ(LongPathForm("C:\\short.txt"), L"C:\\short.txt");
    EXPECT_EQ(LongPathForm("C:" + longTail), L"\\\\?\\C:" + Widen(longTail));
    EXPECT_EQ(LongPathForm("\\\\server\\share" + longTail), L"\\\\?\\UNC\\server\\share" + Widen(longTail));
    EXPECT_EQ(LongPathForm("\\\\?\\C:" + longTail), L"\\\\?\\C:" + Widen(longTail));
    EXPECT_EQ(LongPathForm("relative" + longTail), Widen("relative" + longTail));
}

}  // namespace
}  // namespace kelvo
