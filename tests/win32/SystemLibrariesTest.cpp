#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/win32/SystemLibraries.h"

namespace kelvo {
namespace {

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring SystemFolderPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L'\\' + name;
}

// A file named as a library beside the program, as one downloaded next to
// it would be; it is no library, so a load that finds it fails for that.
class PlantedLibraryTest : public ::testing::Test {
protected:
    static constexpr wchar_t kName[] = L"kelvo-planted.dll";
    void SetUp() override { std::ofstream(path.c_str(), std::ios::binary) << "not a library"; }
    void TearDown() override { DeleteFileW(path.c_str()); }

    const std::wstring path = ProgramFolder() + kName;
};

TEST_F(PlantedLibraryTest, IsNeverLoadedAsASystemLibrary) {
    ASSERT_EQ(LoadLibraryW(kName), nullptr);
    ASSERT_NE(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND)) << "a load by bare name finds the file";

    EXPECT_EQ(SystemLibrary(kName), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND)) << "the file was not even looked at";
    EXPECT_EQ(SystemCall(kName, "DllGetVersion"), nullptr);
}

TEST(SystemLibrariesTest, LibrariesAndCallsComeFromTheSystemFolder) {
    for (const wchar_t* name : {L"shcore.dll", L"uxtheme.dll", L"user32.dll"}) {
        SCOPED_TRACE(std::string(name, name + wcslen(name)));
        const HMODULE library = SystemLibrary(name);
        ASSERT_NE(library, nullptr);
        EXPECT_EQ(library, LoadLibraryW(SystemFolderPath(name).c_str())) << "the system folder's own";
    }
    EXPECT_NE(SystemCall(L"shcore.dll", "GetDpiForMonitor"), nullptr);
    EXPECT_EQ(SystemCall(L"user32.dll", "KelvoNoSuchCall"), nullptr);
    EXPECT_EQ(LoadedSystemCall(L"kelvo-never-loaded.dll", "Anything"), nullptr);
}

}  // namespace
}  // namespace kelvo
