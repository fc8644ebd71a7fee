#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/Image.h"
#include "platform/win32/IconFinderProcess.h"
#include "platform/win32/ProgramFile.h"
#include "platform/win32/Utf8.h"

namespace kelvo {
namespace {

// The program, built beside these tests.
std::wstring ProgramBesideTests() {
    const std::wstring tests = ThisProgram();
    return tests.substr(0, tests.find_last_of(L'\\') + 1) + L"KelvoTop.exe";
}

class IconFinderTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = Narrow(temp) + "kelvo icon finder";
        CreateDirectoryW(Widen(folder).c_str(), nullptr);
        for (const char* name : {"\\a.txt", "\\b.txt"}) std::ofstream(Widen(folder + name).c_str()) << "text";
    }
    void TearDown() override {
        for (const char* name : {"\\a.txt", "\\b.txt"}) DeleteFileW(Widen(folder + name).c_str());
        RemoveDirectoryW(Widen(folder).c_str());
    }
    std::string folder;
};

TEST_F(IconFinderTest, TheFinderProcessDrawsEachDistinctIconAtEachSide) {
    const IconRequest request{
        {16, 32}, {folder + "\\a.txt", folder + "\\b.txt", folder, folder + "\\gone.txt"}, {"\\", ".txt"}};
    const std::optional<IconAnswer> answer = AskIconFinder(request, ProgramBesideTests());
    ASSERT_TRUE(answer.has_value());
    ASSERT_EQ(answer->icons.size(), 4U);
    EXPECT_GE(answer->icons[0], 0);
    EXPECT_EQ(answer->icons[1], answer->icons[0]) << "text files share their icon";
    EXPECT_GE(answer->icons[2], 0);
    EXPECT_NE(answer->icons[2], answer->icons[0]) << "a folder shows another";
    EXPECT_EQ(answer->icons[3], kUnavailableIcon);
    // Known by name and kind alone, for folders' rows.
    EXPECT_EQ(answer->typeIcons, (std::vector<int>{answer->icons[2], answer->icons[0]}));

    std::set<std::pair<int, int>> drawn;
    for (const IconPicture& picture : answer->pictures) {
        drawn.emplace(picture.icon, picture.side);
        ASSERT_EQ(picture.pixels.size(), static_cast<std::size_t>(picture.side * picture.side));
        int opaque = 0;
        for (std::uint32_t pixel : picture.pixels) opaque += (pixel >> 24) == 0xFF;
        EXPECT_GT(opaque, 0) << "the icon shows";
    }
    const int text = answer->icons[0];
    const int folderIcon = answer->icons[2];
    EXPECT_EQ(drawn, (std::set<std::pair<int, int>>{{text, 16}, {text, 32}, {folderIcon, 16}, {folderIcon, 32}}));
}

// The lists changed while the last icons were still being found.
TEST_F(IconFinderTest, FindersAskedAtOnceEachAnswerTheirOwnRequest) {
    const IconRequest files{{16}, {folder + "\\a.txt", folder + "\\b.txt"}, {}};
    const IconRequest justTheFolder{{16}, {folder}, {}};
    std::optional<IconAnswer> filesAnswer;
    std::optional<IconAnswer> folderAnswer;
    std::thread other([&] { folderAnswer = AskIconFinder(justTheFolder, ProgramBesideTests()); });
    filesAnswer = AskIconFinder(files, ProgramBesideTests());
    other.join();
    ASSERT_TRUE(filesAnswer.has_value());
    ASSERT_TRUE(folderAnswer.has_value());
    EXPECT_EQ(filesAnswer->icons.size(), 2U);
    EXPECT_EQ(folderAnswer->icons.size(), 1U);
}

TEST_F(IconFinderTest, WithoutAFinderToStartThereIsNoAnswer) {
    const IconRequest request{{16}, {folder + "\\a.txt"}, {}};
    EXPECT_EQ(AskIconFinder(request, L"C:\\nowhere\\KelvoTop.exe"), std::nullopt);
    EXPECT_EQ(AskIconFinder(request, L""), std::nullopt);
}

}  // namespace
}  // namespace kelvo
