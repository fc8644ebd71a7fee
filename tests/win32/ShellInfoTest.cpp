#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <iostream>
#include <string>

#include "FixtureFiles.h"
#include "platform/win32/Twips.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ShellInfo.h"

namespace kelvo {
namespace {

constexpr std::uint32_t kPeSignature = 0x4550;  // "PE"

std::uint32_t LowWord(std::int32_t value) { return static_cast<std::uint32_t>(value) & 0xFFFF; }
std::int16_t HighWord(std::int32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint32_t>(value) >> 16);
}

std::uint32_t AsRgb(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

std::string SystemFolder() {
    wchar_t folder[MAX_PATH];
    GetSystemDirectoryW(folder, MAX_PATH);
    return Narrow(folder);
}

std::string WindowsFolder() {
    wchar_t folder[MAX_PATH];
    GetWindowsDirectoryW(folder, MAX_PATH);
    return Narrow(folder);
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(LongPathForm(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Real programs of the prefix, and a fixture folder in the temp folder with a
// text document, a subfolder, and copies of both kinds of program and a
// document below a path longer than MAX_PATH.
class ShellInfoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        guiProgram = WindowsFolder() + "\\notepad.exe";
        if (!Exists(guiProgram)) guiProgram = SystemFolder() + "\\notepad.exe";
        consoleProgram = SystemFolder() + "\\cmd.exe";

        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root = Narrow(temp) + "kelvo-shell-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryW(Widen(root).c_str(), nullptr);
        folder = root + "\\Sub Folder";
        CreateDirectoryW(Widen(folder).c_str(), nullptr);
        document = root + "\\read me.txt";
        Touch(document);
        Touch(root + "\\settings.ini");

        deep = root;
        for (int i = 0; i < 6; ++i) {
            deep += "\\" + std::string(50, static_cast<char>('a' + i));
            CreateDirectoryW(LongPathForm(deep).c_str(), nullptr);
        }
        Touch(deep + "\\deep document.txt");
        Touch(deep + "\\settings.ini");
        CopyFileW(Widen(guiProgram).c_str(), LongPathForm(deep + "\\gui program.exe").c_str(), FALSE);
        CopyFileW(Widen(consoleProgram).c_str(), LongPathForm(deep + "\\console program.exe").c_str(),
                  FALSE);
    }
    static void TearDownTestSuite() {
        RemoveTree(root);
        CoUninitialize();
    }
    static void Touch(const std::string& path) {
        CloseHandle(CreateFileW(LongPathForm(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    }

    IconImage DrawnIconOf(const std::string& path, int side = kBaseIconSide) {
        const auto info = shell.Describe(path);
        EXPECT_TRUE(info) << path;
        if (!info) return {};
        const auto image = shell.DrawSmallIcon(info->iconIndex, side);
        EXPECT_TRUE(image) << path;
        return image.value_or(IconImage{});
    }

    static inline std::string guiProgram, consoleProgram, root, folder, document, deep;
    Win32ShellInfo shell;
};

TEST_F(ShellInfoTest, TellsTheKindOfProgramByItsExecutableType) {
    enum class Kind { GuiProgram, ConsoleProgram, NoProgram };
    struct Case {
        std::string path;
        Kind kind;
    };
    const Case cases[] = {
        {guiProgram, Kind::GuiProgram},
        {consoleProgram, Kind::ConsoleProgram},
        {document, Kind::NoProgram},
        {folder, Kind::NoProgram},
        {deep + "\\gui program.exe", Kind::GuiProgram},
        {deep + "\\console program.exe", Kind::ConsoleProgram},
        {deep + "\\deep document.txt", Kind::NoProgram},
    };
    for (const Case& c : cases) {
        const auto info = shell.Describe(c.path);
        const std::int32_t type = shell.ExecutableType(c.path);
        ASSERT_TRUE(info) << c.path;
        std::cout << "  " << c.path << ": type name \"" << info->typeName << "\", icon "
                  << info->iconIndex << ", executable type 0x" << std::hex
                  << static_cast<std::uint32_t>(type) << std::dec << "\n";
        EXPECT_FALSE(info->typeName.empty()) << c.path;
        EXPECT_EQ(info->typeName.find('\0'), std::string::npos) << c.path;
        switch (c.kind) {
        case Kind::GuiProgram:
            EXPECT_EQ(LowWord(type), kPeSignature) << c.path;
            EXPECT_GT(HighWord(type), 0) << c.path;
            break;
        case Kind::ConsoleProgram:
            EXPECT_EQ(LowWord(type), kPeSignature) << c.path;
            EXPECT_EQ(HighWord(type), 0) << c.path;
            break;
        case Kind::NoProgram:
            EXPECT_STRCASENE(info->typeName.c_str(), "application") << c.path;
            EXPECT_EQ(type, 0) << c.path;
            break;
        }
    }
}

// Windows calls both kinds of program "Application"; Wine, which has no name
// registered for them, "exe file".
TEST_F(ShellInfoTest, GivesOneTypeNamePerKindOfFile) {
    const auto gui = shell.Describe(guiProgram);
    const auto console = shell.Describe(consoleProgram);
    const auto text = shell.Describe(document);
    const auto subfolder = shell.Describe(folder);
    ASSERT_TRUE(gui && console && text && subfolder);
    EXPECT_EQ(gui->typeName, console->typeName);
    EXPECT_NE(gui->typeName, text->typeName);
    EXPECT_NE(text->typeName, subfolder->typeName);
}

// Beyond MAX_PATH the shell is asked by name and attributes. Wine then writes
// unregistered types differently (".txt file" for "txt file"), so a type the
// shell has a name for shows the match.
TEST_F(ShellInfoTest, DescribesFilesBeyondMaxPathLikeTheirShortTwins) {
    const auto shortTwin = shell.Describe(root + "\\settings.ini");
    const auto longTwin = shell.Describe(deep + "\\settings.ini");
    ASSERT_TRUE(shortTwin && longTwin);
    std::cout << "  settings.ini: \"" << shortTwin->typeName << "\", beyond MAX_PATH \"" << longTwin->typeName
              << "\"\n";
    EXPECT_EQ(longTwin->typeName, shortTwin->typeName);
    EXPECT_EQ(longTwin->iconIndex, shortTwin->iconIndex);
    const auto deepFolder = shell.Describe(deep);
    const auto subfolder = shell.Describe(folder);
    ASSERT_TRUE(deepFolder && subfolder);
    EXPECT_EQ(deepFolder->typeName, subfolder->typeName);
}

TEST_F(ShellInfoTest, KnowsNothingOfAMissingFile) {
    EXPECT_FALSE(shell.Describe(root + "\\missing.txt"));
    EXPECT_FALSE(shell.Describe(deep + "\\missing.txt"));
    EXPECT_EQ(shell.ExecutableType(root + "\\missing.exe"), 0);
    EXPECT_FALSE(shell.Describe(""));
    EXPECT_EQ(shell.ExecutableType(""), 0);
}

TEST_F(ShellInfoTest, DrawsEachFilesOwnIconOnAClearedSurface) {
    ASSERT_NE(shell.Describe(folder)->iconIndex, shell.Describe(document)->iconIndex);
    const IconImage folderIcon = DrawnIconOf(folder);
    const IconImage textIcon = DrawnIconOf(document);
    EXPECT_NE(folderIcon, textIcon);
    DrawnIconOf(guiProgram);
    // Drawn again after other icons, the folder looks as it did at first.
    EXPECT_EQ(DrawnIconOf(folder), folderIcon);
    const IconImage blank = IconImage::Filled(kBaseIconSide, AsRgb(GetSysColor(COLOR_WINDOW)));
    EXPECT_NE(folderIcon, blank);
}

TEST_F(ShellInfoTest, TransparentPartsTakeTheWindowColour) {
    const int element = COLOR_WINDOW;
    const COLORREF original = GetSysColor(COLOR_WINDOW);
    const COLORREF unusual = RGB(0x12, 0x34, 0x56);
    ASSERT_TRUE(SetSysColors(1, &element, &unusual));
    const IconImage icon = DrawnIconOf(folder);
    SetSysColors(1, &element, &original);

    int background = 0;
    for (std::uint32_t pixel : icon.pixels) background += pixel == 0x123456;
    std::cout << "  folder icon: " << background << " of 256 pixels in the window colour\n";
    EXPECT_EQ(icon.pixels.front(), 0x123456u);  // the top-left corner is outside the folder
    EXPECT_GT(background, 0);
    EXPECT_LT(background, 256);
}

// At 100, 125, 150 and 200 %: the small-icon size of the scale, and the
// folder's icon drawn whole at that size, not its corner and not a blown-up
// smaller picture.
TEST_F(ShellInfoTest, DrawsTheIconWholeAtTheSmallIconSizeOfEachScale) {
    const std::uint32_t window = AsRgb(GetSysColor(COLOR_WINDOW));
    for (const auto& [dpi, side] : {std::pair{96, 16}, {120, 20}, {144, 24}, {192, 32}}) {
        SCOPED_TRACE(dpi);
        EXPECT_EQ(MetricForDpi(SM_CXSMICON, dpi), side);
        const IconImage icon = DrawnIconOf(folder, side);
        ASSERT_EQ(icon.side, side);
        ASSERT_EQ(icon.pixels.size(), static_cast<std::size_t>(side * side));
        int left = side, top = side, right = -1, bottom = -1;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                if (icon.At(x, y) == window) continue;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
        std::cout << "  " << dpi << " dpi: " << side << " px, folder drawn in x " << left << ".." << right << ", y "
                  << top << ".." << bottom << "\n";
        EXPECT_GE(right - left + 1, side * 3 / 4) << "the folder spans the picture";
        EXPECT_GE(bottom - top + 1, side / 2);
        EXPECT_GE(right, side * 3 / 4) << "not only the top-left corner";
    }
    // A picture of its own at 32: not every 2 x 2 block is one colour.
    const IconImage large = DrawnIconOf(folder, 32);
    bool finer = false;
    for (int y = 0; y < 32; y += 2) {
        for (int x = 0; x < 32; x += 2) {
            const std::uint32_t corner = large.At(x, y);
            finer = finer || large.At(x + 1, y) != corner || large.At(x, y + 1) != corner || large.At(x + 1, y + 1) != corner;
        }
    }
    EXPECT_TRUE(finer);
}

TEST_F(ShellInfoTest, DrawsNothingWithoutAnImageFromTheShell) {
    // Nothing described yet: there is no image list to draw from.
    EXPECT_FALSE(shell.DrawSmallIcon(0, kBaseIconSide));
    ASSERT_TRUE(shell.Describe(document));
    // An index the system list does not hold makes the draw fail.
    EXPECT_FALSE(shell.DrawSmallIcon(100000, kBaseIconSide));
    EXPECT_FALSE(shell.DrawSmallIcon(-5, kBaseIconSide));
    // After a failed query the last file is unknown, so nothing is drawn.
    const int index = shell.Describe(document)->iconIndex;
    EXPECT_FALSE(shell.Describe(root + "\\missing.txt"));
    EXPECT_FALSE(shell.DrawSmallIcon(index, kBaseIconSide));
}

TEST_F(ShellInfoTest, ShellPathFormKeepsShortPathsAndShortensLongOnes) {
    EXPECT_EQ(ShellPathForm(document), Widen(document));
    const std::string missing = root + "\\missing\\" + std::string(300, 'x') + ".txt";
    EXPECT_EQ(ShellPathForm(missing), Widen(missing));
    // Wine gives every file a short name; Windows may not, on volumes without them.
    const std::wstring program = ShellPathForm(deep + "\\gui program.exe");
    std::cout << "  short form: " << Narrow(program) << "\n";
    EXPECT_LT(program.size(), static_cast<std::size_t>(MAX_PATH));
    EXPECT_EQ(program.find(L"\\\\?\\"), std::wstring::npos);
    EXPECT_NE(GetFileAttributesW(program.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(CompareStringOrdinal(program.c_str() + program.size() - 4, 4, L".exe", 4, TRUE), CSTR_EQUAL);
}

}  // namespace
}  // namespace kelvo
