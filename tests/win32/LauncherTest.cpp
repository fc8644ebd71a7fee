#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "FixtureFiles.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/Win32Launcher.h"

namespace kelvo {
namespace {

// A folder of the temp folder holding one file of a type that no
// application is registered for.
class LauncherTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE); }
    static void TearDownTestSuite() { CoUninitialize(); }
    void SetUp() override {
        CreateDirectoryW(Widen(folder).c_str(), nullptr);
        Touch(folder + "\\unknown.kelvonotype");
    }
    void TearDown() override { RemoveTree(folder); }

    const std::string folder = TempFolder() + "kelvo-launch-" + std::to_string(GetCurrentProcessId());
    Win32Launcher launcher{nullptr};
};

TEST_F(LauncherTest, FailedOpenGivesTheSystemsReason) {
    struct Case {
        std::string path;
        DWORD error;
    };
    const Case cases[] = {
        {folder + "\\deleted.txt", ERROR_FILE_NOT_FOUND},
        {folder + "\\gone\\deleted.txt", ERROR_PATH_NOT_FOUND},
        {folder + "\\unknown.kelvonotype", ERROR_NO_ASSOCIATION},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const std::optional<std::string> reason = launcher.OpenFile(c.path);
        ASSERT_TRUE(reason.has_value());
        EXPECT_EQ(*reason, SystemErrorText(c.error, c.path));
        EXPECT_FALSE(reason->empty());
        EXPECT_NE(reason->back(), '\n');
    }
}

TEST(SystemErrorText, PutsTheSubjectInPlaceOfItsInsertAndNamesUnknownCodes) {
    const std::string subject = "C:\\x\\y.exe";
    // The text of a bad program file speaks of the file as "%1".
    const std::string badProgram = SystemErrorText(ERROR_BAD_EXE_FORMAT, subject);
    EXPECT_NE(badProgram.find(subject), std::string::npos) << badProgram;
    EXPECT_EQ(badProgram.find("%1"), std::string::npos) << badProgram;
    EXPECT_EQ(SystemErrorText(0x2FFFFFFF, subject), "error " + std::to_string(0x2FFFFFFF));
}

}  // namespace
}  // namespace kelvo
