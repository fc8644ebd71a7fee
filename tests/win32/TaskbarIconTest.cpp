#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "FixtureFiles.h"
#include "app/Application.h"
#include "platform/win32/SingleInstance.h"
#include "platform/win32/Win32Parts.h"
#include "ScratchSignIn.h"
#include "platform/win32/Win32Events.h"
#include "platform/win32/Win32Folders.h"
#include "platform/win32/Win32Taskbar.h"
#include "platform/win32/resources/ResourceIds.h"

namespace kelvo {
namespace {

// The shell accepts a change to an icon only while that icon is placed, so a
// change of nothing tells whether the icon is there.
bool IconIsPlaced(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = 0;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

class TaskbarIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner = CreateWindowExW(0, L"STATIC", L"icon owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override { DestroyWindow(owner); }

    HWND owner = nullptr;
};

TEST_F(TaskbarIconTest, IconIsPlacedUntilRemoved) {
    Win32Taskbar taskbar(owner, IDI_KELVOTOP);
    ASSERT_TRUE(taskbar.IsPresent());
    EXPECT_FALSE(IconIsPlaced(owner));

    taskbar.AddIcon();
    EXPECT_TRUE(IconIsPlaced(owner));

    taskbar.RemoveIcon();
    EXPECT_FALSE(IconIsPlaced(owner));
}

// The shell's taskbar as it is at logon: not there yet when the program
// starts. The icon, once placed, goes to the real notification area.
class LateTaskbar final : public Taskbar {
public:
    explicit LateTaskbar(Taskbar& shell) : shell_(shell) {}
    bool IsPresent() override { return false; }
    void AddIcon() override { shell_.AddIcon(); }
    void RemoveIcon() override { shell_.RemoveIcon(); }

private:
    Taskbar& shell_;
};

TrayParts WithTaskbar(const TrayParts& p, Taskbar& taskbar) {
    return TrayParts{taskbar,  p.popup,    p.menuKey,     p.launcher,     p.program,  p.pump,
                     p.splash, p.messages, p.signInStart, p.folderReader, p.follower, p.shellMenus, p.icons,
                     p.files};
}

// The program's real windows wired to the application as in KelvoTop.exe,
// over a store of its own, started while the shell has no taskbar.
class ResidentTest : public ::testing::Test {
protected:
    void SetUp() override { ConnectEvents(parts, app); }
    void TearDown() override {
        parts.tray.taskbar.RemoveIcon();
        if (Win32Settings* settings = parts.settings.IfMade()) settings->window.AsWindow().Hide();
    }
    HWND Tray() const { return parts.tray.window.Handle(); }
    // The settings window, or nullptr while it is not made.
    HWND Settings() const {
        const Win32Settings* settings = parts.settings.IfMade();
        return settings ? settings->window.Handle() : nullptr;
    }

    ScratchStore store{"Resident"};
    Win32Folders folders{TempFolder()};
    ScratchSignIn signIn;
    Win32Parts parts{GetModuleHandleW(nullptr), store.Store(), folders, signIn.Start()};
    LateTaskbar taskbar{parts.tray.taskbar};
    TrayParts tray = WithTaskbar(parts.tray.parts, taskbar);
    Application app{tray, parts.sources.parts, parts.settings};
};

TEST_F(ResidentTest, WithoutATaskbarTheSplashGoesAndTheIconComesWithTheTaskbar) {
    EXPECT_FALSE(app.StartUp());
    EXPECT_FALSE(IsWindowVisible(parts.tray.splash.Handle()));
    EXPECT_EQ(Settings(), nullptr) << "no settings window until it is needed";
    EXPECT_FALSE(IconIsPlaced(Tray()));

    SendMessageW(Tray(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(IconIsPlaced(Tray()));
}

TEST_F(ResidentTest, ASecondCopyFindsTheWindowWhichPutsItsIconBackAndOpensItsSettings) {
    app.StartUp();
    ASSERT_FALSE(IconIsPlaced(Tray()));
    ASSERT_TRUE(AskFirstCopyToShow());
    parts.tray.pump.RunPending();
    EXPECT_TRUE(IconIsPlaced(Tray()));
    ASSERT_NE(Settings(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Settings()));
}

}  // namespace
}  // namespace kelvo
