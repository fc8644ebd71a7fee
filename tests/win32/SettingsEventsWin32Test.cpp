#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "DropHandle.h"
#include "FixtureFiles.h"
#include "app/Application.h"
#include "menus/MenuIds.h"
#include "platform/win32/Twips.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32Parts.h"
#include "ScratchSignIn.h"
#include "platform/win32/Win32Events.h"
#include "platform/win32/Win32Folders.h"
#include "platform/win32/Win32ImageList.h"

namespace kelvo {
namespace {

constexpr char kUnicodeName[] = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xC3\x9C\xCE\xB1.txt";  // 日本語 Üα.txt

// The program's real settings window and parts, wired to the application as
// in KelvoTop.exe, shown, with fixture files in a folder of the temp folder:
// a document named outside the ANSI code page, a folder, and a document
// whose full path is 300 characters long.
class SettingsEventsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        root = TempFolder() + "kelvo-drop-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryW(Widen(root).c_str(), nullptr);
        Touch(root + "\\" + kUnicodeName);
        CreateDirectoryW(Widen(root + "\\Folder").c_str(), nullptr);
        longPath = root;
        while (longPath.size() < 260) {
            longPath += "\\" + std::string(40, 'd');
            CreateDirectoryW(LongPathForm(longPath).c_str(), nullptr);
        }
        longPath += "\\" + std::string(300 - longPath.size() - 5, 'f') + ".txt";
        Touch(longPath);
    }
    static void TearDownTestSuite() {
        RemoveTree(root);
        CoUninitialize();
    }
    void SetUp() override {
        ConnectEvents(parts, app);
        // Properties, as chosen from the popup: fresh lists, window shown.
        app.OnMenuCommand(kPropertiesId);
    }
    void TearDown() override { Settings().AsWindow().Hide(); }

    // Made by the Properties of SetUp.
    SettingsWindow& Settings() const { return parts.settings.IfMade()->window; }

    HWND Control(const char* name) const { return Settings().ControlHandle(name); }
    void SelectTab(int tab) {
        HWND tabs = Control("tabs");
        SendMessageW(tabs, TCM_SETCURSEL, tab, 0);
        NMHDR change{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(Settings().Handle(), WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
    }
    // Drops `paths` as the shell does; the drop handle, freed by now.
    HDROP Drop(const std::vector<std::string>& paths) {
        HDROP drop = MakeDropHandle(paths);
        PostMessageW(Settings().Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        parts.tray.pump.RunPending();
        return drop;
    }
    bool AcceptsDrops() const {
        return (GetWindowLongPtrW(Settings().Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
    }
    void AddDesktopRows(const std::vector<std::string>& names) {
        ListView& view = Settings().DesktopList();
        for (const std::string& name : names) view.Append(ListRow{name, root + "\\", ""});
    }

    static inline std::string root;
    static inline std::string longPath;
    ScratchStore store{"Events"};
    Win32Folders folders{root};
    ScratchSignIn signIn;
    Win32Parts parts{GetModuleHandleW(nullptr), store.Store(), folders, signIn.Start()};
    Application app{parts.tray.parts, parts.sources.parts, parts.settings};
};

TEST_F(SettingsEventsTest, DropsAreTakenOnlyOnceTheCustomTabWasSelected) {
    EXPECT_FALSE(AcceptsDrops());
    HDROP early = Drop({root + "\\Folder"});
    EXPECT_EQ(Settings().CustomList().Count(), 0);
    EXPECT_EQ(GlobalFlags(early), static_cast<UINT>(GMEM_INVALID_HANDLE)) << "every drop is finished";

    SelectTab(1);
    EXPECT_TRUE(AcceptsDrops());
    SelectTab(0);
    Drop({root + "\\Folder"});
    EXPECT_EQ(Settings().CustomList().Count(), 1);
    EXPECT_EQ(Settings().DesktopList().Count(), 0);
}

TEST_F(SettingsEventsTest, DroppedPathsArriveWholeWithTheirPictures) {
    SelectTab(1);
    Drop({root + "\\" + kUnicodeName, root + "\\Folder", longPath});
    ListView& custom = Settings().CustomList();
    ASSERT_EQ(custom.Count(), 3);
    EXPECT_EQ(custom.Row(1).text, kUnicodeName);
    EXPECT_EQ(custom.Row(1).subItem, root + "\\");
    EXPECT_EQ(custom.Row(2).text, "Folder");
    EXPECT_EQ(custom.Row(3).subItem + custom.Row(3).text, longPath);
    EXPECT_EQ(longPath.size(), 300u);

    ImageList& images = Settings().CustomImages();
    for (int row = 1; row <= 3; ++row) EXPECT_TRUE(images.Contains(custom.Row(row).iconKey)) << row;
    EXPECT_NE(custom.Row(2).iconKey, custom.Row(1).iconKey) << "a folder has the folder picture";
    EXPECT_EQ(app.Lists().customCount, 3);
}

// The window moves to a monitor at 200 % and back, as the system tells it:
// both lists' image lists take the small-icon size there, and every row
// finds its picture again, drawn at that size.
TEST_F(SettingsEventsTest, PicturesFollowTheWindowToAnotherScale) {
    SelectTab(1);
    Drop({root + "\\" + kUnicodeName, root + "\\Folder"});
    AddDesktopRows({"Folder"});
    const int dpi = WindowDpi(Settings().Handle());
    for (const int newDpi : {192, dpi}) {
        SCOPED_TRACE(newDpi);
        RECT where{};
        GetWindowRect(Settings().Handle(), &where);
        SendMessageW(Settings().Handle(), WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&where));
        const int side = MetricForDpi(SM_CXSMICON, newDpi);
        for (const char* name : {"desktopList", "customList"}) {
            auto shown = reinterpret_cast<HIMAGELIST>(SendMessageW(Control(name), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
            int width = 0, height = 0;
            ASSERT_TRUE(ImageList_GetIconSize(shown, &width, &height)) << name;
            EXPECT_EQ(width, side) << name;
            EXPECT_EQ(height, side) << name;
        }
        ListView& custom = Settings().CustomList();
        auto& images = dynamic_cast<Win32ImageList&>(Settings().CustomImages());
        ASSERT_EQ(custom.Count(), 2);
        for (int k = 1; k <= 2; ++k) {
            EXPECT_GE(images.IndexOf(custom.Row(k).iconKey), 1) << custom.Row(k).text;
            LVITEMW item{};
            item.mask = LVIF_IMAGE;
            item.iItem = k - 1;
            SendMessageW(Control("customList"), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            EXPECT_EQ(item.iImage, images.IndexOf(custom.Row(k).iconKey)) << "the view shows the new picture";
        }
    }
}

// Enter presses the button that has the focus, and is OK anywhere else.
TEST_F(SettingsEventsTest, EnterPressesTheFocusedButtonOrOk) {
    struct Case {
        const char* focus;
        const char* pressed;
    };
    for (const Case& c : {Case{"cmdKelvoTopHelp", "help"}, Case{"desktopList", "OK"}}) {
        SCOPED_TRACE(c.focus);
        app.OnMenuCommand(kPropertiesId);
        SetFocus(Control(c.focus));
        ASSERT_EQ(GetFocus(), Control(c.focus));
        MSG enter{GetFocus(), WM_KEYDOWN, VK_RETURN, 1, 0, {}};
        EXPECT_TRUE(Settings().TakeDialogKey(enter));
        parts.tray.pump.RunPending();
        const bool okPressed = !IsWindowVisible(Settings().Handle());
        EXPECT_EQ(okPressed, std::string(c.pressed) == "OK");
        EXPECT_EQ(app.SettingsWindowState().helpShown, std::string(c.pressed) == "help");
        app.OnSettingsCommand(SettingsCommand::Cancel);
    }
}

TEST_F(SettingsEventsTest, ButtonsFollowTheSelectionAndDeleteRemoves) {
    AddDesktopRows({"a.txt", "b.txt", "c.txt"});
    Settings().DesktopList().Select(3);
    EXPECT_TRUE(IsWindowEnabled(Control("cmdDesktopMoveUp")));
    EXPECT_FALSE(IsWindowEnabled(Control("cmdDesktopMoveDown")));
    EXPECT_TRUE(IsWindowEnabled(Control("cmdDesktopRemoveItem")));

    SendMessageW(Control("cmdDesktopMoveUp"), BM_CLICK, 0, 0);
    ListView& view = Settings().DesktopList();
    EXPECT_EQ(view.Row(2).text, "c.txt");
    EXPECT_EQ(view.Row(3).text, "b.txt");
    EXPECT_EQ(view.Selected(), 2);
    EXPECT_TRUE(IsWindowEnabled(Control("cmdDesktopMoveDown")));

    SendMessageW(Control("desktopList"), WM_KEYDOWN, VK_DELETE, 0);
    ASSERT_EQ(view.Count(), 2);
    EXPECT_EQ(view.Row(2).text, "b.txt");
    EXPECT_FALSE(IsWindowEnabled(Control("cmdDesktopRemoveItem")));
}

// The text of the message box that shows on this thread, which it closes;
// empty when none shows.
std::wstring closedBoxText;

BOOL CALLBACK CloseBoxOfThread(HWND window, LPARAM) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (lstrcmpW(className, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    wchar_t text[512] = {};
    GetDlgItemTextW(window, 0xFFFF, text, 512);  // the box's static text
    closedBoxText = text;
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), CloseBoxOfThread, 0);
}

TEST(Guarded, AnErrorInAnEventIsShownAndTheProgramGoesOn) {
    closedBoxText.clear();
    // Runs inside the box's own message loop, once the box is there.
    const UINT_PTR timer = SetTimer(nullptr, 0, 0, CloseMessageBox);
    Guarded([] { throw std::runtime_error("cannot write Custom\\MenuChoice1"); });
    KillTimer(nullptr, timer);
    EXPECT_EQ(closedBoxText, L"KelvoTop met an error and goes on running:\n\ncannot write Custom\\MenuChoice1");
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program ends";
}

}  // namespace
}  // namespace kelvo
