#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "FixtureFiles.h"
#include "app/Application.h"
#include "platform/win32/SingleInstance.h"
#include "platform/win32/Win32Desktop.h"
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

DesktopParts WithTaskbar(const DesktopParts& p, Taskbar& taskbar) {
    return DesktopParts{p.store, p.files, p.listView1, p.listView2, p.imageList1, p.imageList2,
                        p.settingsWindow, p.splash, p.waitNotice, p.tabs, p.buttons, taskbar, p.popup,
                        p.pump, p.program, p.launcher, p.shell, p.folders, p.pointer, p.helpText,
                        p.dropTarget, p.messages, p.options};
}

// The program's real windows wired to the application as in KelvoTop.exe,
// over a store of its own, started while the shell has no taskbar.
class ResidentTest : public ::testing::Test {
protected:
    void SetUp() override { ConnectEvents(desktop, app); }
    void TearDown() override {
        desktop.taskbar.RemoveIcon();
        desktop.settings.AsWindow().Hide();
    }
    HWND Settings() const { return desktop.settings.Handle(); }

    ScratchStore store{"Resident"};
    Win32Folders folders{TempFolder()};
    ScratchSignIn signIn;
    Win32Desktop desktop{GetModuleHandleW(nullptr), store.Store(), folders, signIn.Start()};
    LateTaskbar taskbar{desktop.taskbar};
    DesktopParts parts = WithTaskbar(desktop.parts, taskbar);
    Application app{parts};
};

TEST_F(ResidentTest, WithoutATaskbarTheSplashGoesAndTheIconComesWithTheTaskbar) {
    EXPECT_FALSE(app.StartUp());
    EXPECT_FALSE(IsWindowVisible(desktop.splash.Handle()));
    EXPECT_FALSE(IsWindowVisible(Settings()));
    EXPECT_FALSE(IconIsPlaced(Settings()));

    SendMessageW(Settings(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(IconIsPlaced(Settings()));
}

TEST_F(ResidentTest, ASecondCopyFindsTheWindowWhichPutsItsIconBackAndOpensItsSettings) {
    app.StartUp();
    ASSERT_FALSE(IconIsPlaced(Settings()));
    ASSERT_TRUE(AskFirstCopyToShow());
    desktop.pump.RunPending();
    EXPECT_TRUE(IconIsPlaced(Settings()));
    EXPECT_TRUE(IsWindowVisible(Settings()));
}

}  // namespace
}  // namespace kelvo
