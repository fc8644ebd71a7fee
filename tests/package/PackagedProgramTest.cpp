#include "e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace kelvo::e2e {
namespace {

// The KelvoTop.exe unpacked from a release archive, named by
// KELVO_PACKAGED_EXE (a Windows path; scripts/check-package.sh sets it).
std::wstring PackagedProgram() {
    const wchar_t* path = _wgetenv(L"KELVO_PACKAGED_EXE");
    return path == nullptr ? std::wstring() : std::wstring(path);
}

// What a user sees after unpacking the archive and starting the program:
// its icon in the notification area, a popup on a right-click, and Exit.
TEST(PackagedProgramTest, StartsIntoTheNotificationAreaAndEndsByExit) {
    const std::wstring program = PackagedProgram();
    ASSERT_FALSE(program.empty()) << "KELVO_PACKAGED_EXE names no program";
    ClearStore();

    KelvoProcess kelvo(program);
    ASSERT_TRUE(kelvo.Started()) << "could not start the program";
    HWND tray = kelvo.WaitUntilResident();
    ASSERT_NE(tray, nullptr) << "no icon in the notification area";
    EXPECT_TRUE(IconPlaced(tray));
    HWND popup = ShowPopupOf(tray, kelvo.Id());
    ASSERT_NE(popup, nullptr) << "no popup on a right-click of the icon";
    PressKeys(popup, {VK_UP, VK_RETURN});  // "Exit" is the last row

    EXPECT_EQ(kelvo.WaitForExit(), 0u);
    EXPECT_FALSE(IconPlaced(tray));
}

}  // namespace
}  // namespace kelvo::e2e
