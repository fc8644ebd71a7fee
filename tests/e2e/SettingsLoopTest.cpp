#include "E2eSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace kelvo::e2e {
namespace {

constexpr wchar_t kDesktopHelpStart[] = L"If you running this program for the first time the desktop";
constexpr wchar_t kCustomHelpStart[] = L"Use this CUSTOM kelvomenu view setup tabe";
// The help pane's 2800 twips at 96 dpi.
constexpr int kHelpPanePixels = 187;

std::wstring Lower(std::wstring text) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::size_t IndexOf(const std::vector<std::wstring>& names, const std::wstring& name) {
    return static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin());
}

int WidthOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

// Documents, a hidden file and a subfolder with a file of its own on the
// user's desktop of this prefix, removed one by one afterwards.
class DesktopFiles {
public:
    DesktopFiles() : path_(DesktopFolder()) {
        for (const wchar_t* name : kFiles) {
            CloseHandle(CreateFileW((path_ + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        }
        SetFileAttributesW((path_ + L"hidden.dat").c_str(), FILE_ATTRIBUTE_HIDDEN);
        CreateDirectoryW((path_ + kFolder).c_str(), nullptr);
        CloseHandle(CreateFileW((path_ + kFolder + L"\\inner.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    ~DesktopFiles() {
        DeleteFileW((path_ + kFolder + L"\\inner.txt").c_str());
        RemoveDirectoryW((path_ + kFolder).c_str());
        SetFileAttributesW((path_ + L"hidden.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
        for (const wchar_t* name : kFiles) DeleteFileW((path_ + name).c_str());
    }
    DesktopFiles(const DesktopFiles&) = delete;
    DesktopFiles& operator=(const DesktopFiles&) = delete;

    const std::wstring& Path() const { return path_; }
    // The names the program lists for the desktop: every entry, lower-cased,
    // in the file system's order.
    std::vector<std::wstring> ListedNames() const {
        std::vector<std::wstring> names = FolderEntries(path_);
        std::transform(names.begin(), names.end(), names.begin(), Lower);
        return names;
    }

private:
    static constexpr const wchar_t* kFiles[] = {L"README.TXT", L"Notes.txt", L"\u00DCberblick.txt",
                                                L"hidden.dat"};
    static constexpr wchar_t kFolder[] = L"Sub Folder";
    std::wstring path_;
};

// The program resident with a stored custom list of three entries, one of
// them a file that is gone, a stored desktop list of one entry, files on
// the desktop, and text files opening in the recorder.
class SettingsLoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(desktop.Path().empty());
        ClearStore();
        RouteTextFilesToRecorder();
        for (const wchar_t* name : {L"Report.txt", L"Plan.txt", L"Old.txt"}) folder.AddFile(name);
        StoreList(L"Custom", {folder.ChoiceFor(L"Report.txt"), folder.ChoiceFor(L"Gone.txt"),
                              folder.ChoiceFor(L"Plan.txt")});
        StoreList(L"Desktop", {folder.ChoiceFor(L"Old.txt")});
        kelvo = std::make_unique<KelvoProcess>();
        tray = kelvo->WaitUntilResident();
        ASSERT_NE(tray, nullptr);
    }

    HWND ShowPopup() { return ShowPopupOf(tray, kelvo->Id()); }

    void OpenProperties() {
        settings = ChooseProperties(tray, kelvo->Id());
        ASSERT_NE(settings, nullptr);
    }

    HWND Control(const std::wstring& caption) const {
        HWND control = ChildWithText(settings, caption);
        EXPECT_NE(control, nullptr) << caption;
        return control;
    }
    void Press(const std::wstring& caption) { ClickButton(Control(caption)); }

    // The desktop list is the one shown on the first tab, the custom list
    // the other one.
    HWND ListOnFirstTab(bool wanted) const {
        HWND tabs = Tabs();
        EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
        for (HWND list : ChildrenOfClass(settings, WC_LISTVIEWW)) {
            if ((IsWindowVisible(list) != FALSE) == wanted) return list;
        }
        return nullptr;
    }
    HWND DesktopList() const { return ListOnFirstTab(true); }
    HWND CustomList() const { return ListOnFirstTab(false); }
    HWND Tabs() const {
        const std::vector<HWND> tabs = ChildrenOfClass(settings, WC_TABCONTROLW);
        return tabs.empty() ? nullptr : tabs.front();
    }

    // Load DeskTop, then waits until every desktop entry is listed.
    void LoadDeskTop() {
        Press(L"Load DeskTop ");
        const std::size_t entries = desktop.ListedNames().size();
        ASSERT_TRUE(WaitUntil([&] { return ListViewCount(DesktopList()) == static_cast<int>(entries); }));
    }

    // Waits until the program has handled every message sent before.
    void Settle() const { SendMessageW(settings, WM_NULL, 0, 0); }

    std::vector<std::wstring> StoredDesktopFiles() const {
        std::vector<std::wstring> values;
        for (const std::wstring& name : desktop.ListedNames()) values.push_back(name + L"%" + desktop.Path() + L"%1");
        values.push_back(L"Done");
        return values;
    }

    DesktopFiles desktop;
    FixtureFolder folder;
    std::unique_ptr<KelvoProcess> kelvo;
    HWND tray = nullptr;
    // Made when Properties first opens it.
    HWND settings = nullptr;
};

TEST_F(SettingsLoopTest, PropertiesShowsBothStoredListsWithoutMissingFiles) {
    OpenProperties();

    EXPECT_EQ(ListViewColumn(DesktopList(), 0), std::vector<std::wstring>{L"Old.txt"});
    EXPECT_EQ(ListViewColumn(DesktopList(), 1), std::vector<std::wstring>{folder.Path()});
    EXPECT_EQ(ListViewColumn(CustomList(), 0), (std::vector<std::wstring>{L"Report.txt", L"Plan.txt"}));
    EXPECT_EQ(ListViewColumn(CustomList(), 1), (std::vector<std::wstring>{folder.Path(), folder.Path()}));
    // Position 0 holds the blank picture each list starts with; two text
    // documents share their type's picture.
    const std::vector<int> images = ListViewImages(CustomList());
    ASSERT_EQ(images.size(), 2u);
    EXPECT_GT(images[0], 0);
    EXPECT_EQ(images[1], images[0]);
}

TEST_F(SettingsLoopTest, LoadDeskTopAndOkStoreTheDesktopFolderForThePopup) {
    OpenProperties();
    LoadDeskTop();
    const std::vector<std::wstring> names = desktop.ListedNames();
    EXPECT_EQ(ListViewColumn(DesktopList(), 0), names);
    EXPECT_EQ(ListViewColumn(DesktopList(), 1), std::vector<std::wstring>(names.size(), desktop.Path()));
    const std::vector<int> images = ListViewImages(DesktopList());
    ASSERT_EQ(images.size(), names.size());
    for (const wchar_t* name : {L"readme.txt", L"notes.txt", L"\u00FCberblick.txt", L"hidden.dat", L"sub folder"}) {
        SCOPED_TRACE(name);
        ASSERT_LT(IndexOf(names, name), names.size());
        EXPECT_GT(images[IndexOf(names, name)], 0);
    }
    // Text documents share their type's picture; the folder has its own.
    const int textImage = images[IndexOf(names, L"readme.txt")];
    EXPECT_EQ(images[IndexOf(names, L"notes.txt")], textImage);
    EXPECT_EQ(images[IndexOf(names, L"\u00FCberblick.txt")], textImage);
    EXPECT_NE(images[IndexOf(names, L"sub folder")], textImage);

    Press(L"OK");
    // The store is written after the window is hidden.
    EXPECT_TRUE(WaitUntil([&] { return StoredList(L"Desktop") == StoredDesktopFiles(); }));
    EXPECT_FALSE(IsWindowVisible(settings));
    // The custom list is written as the view shows it: the missing file is
    // left out.
    EXPECT_EQ(StoredList(L"Custom"),
              (std::vector<std::wstring>{folder.ChoiceFor(L"Report.txt"), folder.ChoiceFor(L"Plan.txt"), L"Done"}));
    ASSERT_TRUE(WaitUntil([&] { return !AnyWindowVisible(kelvo->Id()); }));

    // Two custom entries, then the DeskTop submenu, whose entries follow the
    // stored order.
    std::vector<WORD> keys{VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT};
    keys.insert(keys.end(), IndexOf(names, L"readme.txt"), VK_DOWN);
    keys.push_back(VK_RETURN);
    HWND popup = ShowPopup();
    ASSERT_NE(popup, nullptr);
    PressKeys(popup, keys);
    ASSERT_TRUE(WaitUntil([] { return !OpenedPaths().empty(); }));
    EXPECT_EQ(OpenedPaths().back(), desktop.Path() + L"readme.txt");
}

// The desktop shared by all users holds a name of the user's own desktop in
// capitals and a document of its own: the list shows the user's entries,
// then that document from its own folder, and the popup opens it from there.
TEST_F(SettingsLoopTest, LoadDeskTopAddsTheSharedDesktopAndThePopupOpensItsEntry) {
    const std::wstring shared = PublicDesktopFolder();
    ASSERT_FALSE(shared.empty());
    const std::vector<std::wstring> sharedFiles{L"NOTES.TXT", L"Shared Plan.txt"};
    for (const std::wstring& name : sharedFiles) {
        CloseHandle(CreateFileW((shared + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    struct Removal {
        const std::wstring& folder;
        const std::vector<std::wstring>& names;
        ~Removal() {
            for (const std::wstring& name : names) DeleteFileW((folder + name).c_str());
        }
    } removal{shared, sharedFiles};
    OpenProperties();

    std::vector<std::wstring> names = desktop.ListedNames();
    std::vector<std::wstring> locations(names.size(), desktop.Path());
    names.push_back(L"shared plan.txt");
    locations.push_back(shared);
    Press(L"Load DeskTop ");
    ASSERT_TRUE(WaitUntil([&] { return ListViewCount(DesktopList()) == static_cast<int>(names.size()); }));
    Settle();
    EXPECT_EQ(ListViewColumn(DesktopList(), 0), names);
    EXPECT_EQ(ListViewColumn(DesktopList(), 1), locations);
    EXPECT_GT(ListViewImages(DesktopList()).back(), 0);

    Press(L"OK");
    std::vector<std::wstring> stored = StoredDesktopFiles();
    stored.insert(stored.end() - 1, L"shared plan.txt%" + shared + L"%1");
    EXPECT_TRUE(WaitUntil([&] { return StoredList(L"Desktop") == stored; }));
    ASSERT_TRUE(WaitUntil([&] { return !AnyWindowVisible(kelvo->Id()); }));

    // Two custom entries, then the DeskTop submenu's last entry.
    std::vector<WORD> keys{VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT};
    keys.insert(keys.end(), names.size() - 1, VK_DOWN);
    keys.push_back(VK_RETURN);
    HWND popup = ShowPopup();
    ASSERT_NE(popup, nullptr);
    PressKeys(popup, keys);
    ASSERT_TRUE(WaitUntil([] { return !OpenedPaths().empty(); }));
    EXPECT_EQ(Lower(OpenedPaths().back()), Lower(shared + L"shared plan.txt"));
}

TEST_F(SettingsLoopTest, CancelAfterLoadDeskTopKeepsTheStoredLists) {
    const std::vector<std::wstring> storedDesktop = StoredList(L"Desktop");
    const std::vector<std::wstring> storedCustom = StoredList(L"Custom");
    OpenProperties();
    LoadDeskTop();

    Press(L"Cancel");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(settings) == FALSE; }));
    Settle();
    EXPECT_EQ(StoredList(L"Desktop"), storedDesktop);
    EXPECT_EQ(StoredList(L"Custom"), storedCustom);

    // Shown again, the window lists the stored entries, not the scan.
    OpenProperties();
    EXPECT_EQ(ListViewColumn(DesktopList(), 0), std::vector<std::wstring>{L"Old.txt"});
}

TEST_F(SettingsLoopTest, HelpShowsTheSelectedTabsTextInAWiderWindowUntilCancel) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    if (dpi != 96) GTEST_SKIP() << "the help pane's width is checked at 96 dpi, not " << dpi;

    struct Case {
        int tab;
        const wchar_t* helpStart;
    };
    // The About tab shows the custom list's help.
    const Case cases[] = {{0, kDesktopHelpStart}, {1, kCustomHelpStart}, {2, kCustomHelpStart}};
    for (const Case& c : cases) {
        SCOPED_TRACE("tab " + std::to_string(c.tab));
        OpenProperties();
        HWND tabs = Tabs();
        ClickTab(tabs, c.tab);
        ASSERT_TRUE(WaitUntil([&] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == c.tab; }));
        HWND help = Control(L"Help");
        const int width = WidthOf(settings);

        Press(L"Help");
        EXPECT_TRUE(WaitUntil([&] { return WidthOf(settings) == width + kHelpPanePixels; }));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(help) == FALSE; }));
        const std::vector<HWND> edits = ChildrenOfClass(settings, L"Edit");
        ASSERT_EQ(edits.size(), 1u);
        const std::wstring text = ControlText(edits.front());
        EXPECT_TRUE(text.starts_with(c.helpStart)) << text;

        Press(L"Cancel");
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(settings) == FALSE; }));
        Settle();
        EXPECT_EQ(WidthOf(settings), width);
        EXPECT_TRUE(IsWindowEnabled(help));
    }
}

TEST_F(SettingsLoopTest, ExitButtonEndsTheProgramAndTakesItsIcon) {
    OpenProperties();
    Press(L"Exit");
    EXPECT_EQ(kelvo->WaitForExit(), std::optional<DWORD>(0));
    EXPECT_FALSE(IconPlaced(tray));
}

}  // namespace
}  // namespace kelvo::e2e
