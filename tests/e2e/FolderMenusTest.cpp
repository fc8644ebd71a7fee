#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace kelvo::e2e {
namespace {

// Folders and files made under a root, removed again deepest first.
class FolderTree {
public:
    explicit FolderTree(std::wstring root) : root_(std::move(root)) {}
    ~FolderTree() {
        for (auto made = made_.rbegin(); made != made_.rend(); ++made) {
            if (!DeleteFileW(made->c_str())) RemoveDirectoryW(made->c_str());
        }
    }
    FolderTree(const FolderTree&) = delete;
    FolderTree& operator=(const FolderTree&) = delete;

    void AddFolder(const std::wstring& path) {
        CreateDirectoryW((root_ + path).c_str(), nullptr);
        made_.push_back(root_ + path);
    }
    void AddFile(const std::wstring& path) {
        CloseHandle(CreateFileW((root_ + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        made_.push_back(root_ + path);
    }

private:
    std::wstring root_;
    std::vector<std::wstring> made_;
};

// Presses `keys` in the popup's menu loop: a lower-case letter is typed as
// the character itself, so it arrives in order with the other keys (the
// menu loop would make a pressed letter's character after them).
void Press(HWND popup, const std::vector<WORD>& keys) {
    for (WORD key : keys) {
        if (key >= 'a' && key <= 'z') {
            PostMessageW(popup, WM_CHAR, key, 1);
        } else {
            PressKeys(popup, {key});
        }
    }
}

// Keys from the popup, with no custom entries, into its DeskTop submenu:
// "DeskTop" is its only row starting with D.
const std::vector<WORD> kIntoDeskTop = {'d', VK_RIGHT};

// The program resident with one desktop entry, the folder "Projects" of the
// fixture folder, three levels deep, and text files opening in the recorder.
class FolderMenusTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearStore();
        RouteTextFilesToRecorder();
        for (const wchar_t* made : {L"Projects", L"Projects\\Alpha", L"Projects\\Alpha\\Beta"}) tree.AddFolder(made);
        for (const wchar_t* made : {L"Projects\\apple.txt", L"Projects\\Alpha\\Before.txt",
                                    L"Projects\\Alpha\\Beta\\Notes.txt", L"Projects\\Alpha\\Beta\\Memo.txt"}) {
            tree.AddFile(made);
        }
        StoreList(L"Desktop", {folder.ChoiceFor(L"Projects")});
        StoreList(L"Custom", {});
    }

    void Start() {
        kelvo = std::make_unique<KelvoProcess>();
        tray = kelvo->WaitUntilResident();
        ASSERT_NE(tray, nullptr);
    }

    // Shows the popup and presses `keys`; true once `levels` menus show. The
    // entries' files are looked at after start-up, and a folder is a plain
    // row until then: a popup that shows fewer levels a while later is
    // closed and shown again, the last time waiting as long as any wait.
    bool ShowLevels(const std::vector<WORD>& keys, std::size_t levels, HWND& popup) {
        const auto shown = [&] { return VisiblePopupsOf(kelvo->Id()).size() == levels; };
        for (int attempt = 0;; ++attempt) {
            popup = ShowPopupOf(tray, kelvo->Id());
            if (popup == nullptr) return false;
            Press(popup, keys);
            if (attempt == 3) return WaitUntil(shown);
            for (int look = 0; look < 100 && !shown(); ++look) Sleep(20);
            if (shown()) return true;
            Press(popup, {VK_ESCAPE, VK_ESCAPE, VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
            WaitUntil([&] { return VisiblePopupOf(kelvo->Id()) == nullptr; });
        }
    }

    FixtureFolder folder;
    FolderTree tree{folder.Path()};
    std::unique_ptr<KelvoProcess> kelvo;
    HWND tray = nullptr;
};

TEST_F(FolderMenusTest, AFileThreeFoldersDeepIsReachedByLettersAndArrowsAndOpens) {
    Start();
    HWND popup = nullptr;
    std::vector<WORD> keys = kIntoDeskTop;
    // "Projects", then "Alpha" past "Open" and before "apple.txt", then
    // "Beta" before "Before.txt".
    keys.insert(keys.end(), {'p', VK_RIGHT, 'a', VK_RIGHT, 'b', VK_RIGHT});
    ASSERT_TRUE(ShowLevels(keys, 5, popup));
    const std::size_t before = OpenedPaths().size();
    // Files in Explorer's order: "Memo", then "Notes"; N lands on the second.
    Press(popup, {'n', VK_UP, VK_DOWN, VK_RETURN});
    ASSERT_TRUE(WaitUntil([&] { return OpenedPaths().size() > before; }));
    EXPECT_EQ(OpenedPaths().back(), folder.Path() + L"Projects\\Alpha\\Beta\\Notes.txt");
    EXPECT_TRUE(WaitUntil([&] { return VisiblePopupOf(kelvo->Id()) == nullptr; }));
}

TEST_F(FolderMenusTest, OpenInAFoldersSubmenuOpensTheFolderItself) {
    Start();
    HWND popup = nullptr;
    std::vector<WORD> keys = kIntoDeskTop;
    // "Alpha", a folder of its own: the Explorer shows a window per folder.
    keys.insert(keys.end(), {'p', VK_RIGHT, 'a', VK_RIGHT});
    ASSERT_TRUE(ShowLevels(keys, 4, popup));
    const std::vector<HWND> before = ExplorerWindows();
    Press(popup, {'o', VK_RETURN});
    HWND explorer = WaitForNewExplorerWindow(before);
    ASSERT_NE(explorer, nullptr);
    EXPECT_NE(WindowText(explorer).find(L"Alpha"), std::wstring::npos) << WindowText(explorer);
    EndProcessOf(explorer);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(explorer); }));
}

TEST_F(FolderMenusTest, WithTheOptionOffAFolderIsAPlainRowThatOpensTheExplorer) {
    HKEY options = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\KelvoDesktop\\Options", 0,
                              nullptr, 0, KEY_SET_VALUE, nullptr, &options, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(options, L"FolderMenus", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"0"), 2 * sizeof(wchar_t));
    RegCloseKey(options);
    Start();
    HWND popup = nullptr;
    ASSERT_TRUE(ShowLevels(kIntoDeskTop, 2, popup));
    const std::vector<HWND> before = ExplorerWindows();
    // Enter on a row with a submenu would open the submenu.
    Press(popup, {'p', VK_RETURN});
    HWND explorer = WaitForNewExplorerWindow(before);
    ASSERT_NE(explorer, nullptr);
    EXPECT_EQ(VisiblePopupOf(kelvo->Id()), nullptr);
    EndProcessOf(explorer);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(explorer); }));
}

// The folder's icon comes with the entries'; a text file's type was not
// among them, and is found once its folder first opens. Neither loads the
// shell's image lists (and the common controls with them) into the program.
TEST_F(FolderMenusTest, AFoldersRowsShowTheirTypesIconsByTheNextShowing) {
    Start();
    // Rows with a picture in "Projects"' own level, the menu that opens last;
    // -1 while the entries are not looked at and "Projects" opens no level.
    const auto picturesOfProjects = [&] {
        HWND popup = nullptr;
        if (!ShowLevels(kIntoDeskTop, 2, popup)) return -1;
        const std::vector<HWND> before = VisiblePopupsOf(kelvo->Id());
        Press(popup, {'p', VK_RIGHT});
        HWND projects = nullptr;
        for (int look = 0; look < 100 && projects == nullptr; ++look, Sleep(20)) {
            for (HWND menu : VisiblePopupsOf(kelvo->Id())) {
                if (std::find(before.begin(), before.end(), menu) == before.end()) projects = menu;
            }
        }
        const int pictures = projects ? MarginPictures(PaintedShotOf(projects)) : -1;
        Press(popup, {VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
        WaitUntil([&] { return VisiblePopupOf(kelvo->Id()) == nullptr; });
        return pictures;
    };
    // "Alpha" and "apple.txt"; "Open" keeps its text alone.
    EXPECT_TRUE(WaitUntil([&] { return picturesOfProjects() == 2; }))
        << "\"Alpha\" shows the folder's icon and \"apple.txt\" the text files' icon";
    EXPECT_FALSE(HasLoaded(kelvo->Id(), L"comctl32.dll"));
}

// The Windows path of the folder that drive Q: of the test prefix leads to
// (cmake/e2e-run.sh), through drive Z:, Wine's root of the Unix files.
std::wstring AwayDriveFolder() {
    wchar_t prefix[1024] = {};
    GetEnvironmentVariableW(L"WINEPREFIX", prefix, 1024);
    std::wstring path = L"Z:" + std::wstring(prefix) + L"/kelvo-away-drive";
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

TEST_F(FolderMenusTest, AFolderOnADriveThatWentAwayOpensAtOnceAndTheMenuAnswers) {
    ASSERT_TRUE(CreateDirectoryW(L"Q:\\Away", nullptr)) << "drive Q: of the test prefix";
    StoreList(L"Desktop", {L"Away%Q:\\%1"});
    Start();
    const std::vector<WORD> keys = {'d', VK_RIGHT, 'a', VK_RIGHT};
    HWND popup = nullptr;
    ASSERT_TRUE(ShowLevels(keys, 3, popup)) << "the folder opens as a submenu while its drive is there";
    Press(popup, {VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
    ASSERT_TRUE(WaitUntil([&] { return VisiblePopupOf(kelvo->Id()) == nullptr; }));

    ASSERT_TRUE(RemoveDirectoryW(L"Q:\\Away"));
    ASSERT_TRUE(RemoveDirectoryW(AwayDriveFolder().c_str()));
    ASSERT_TRUE(ShowLevels(keys, 3, popup)) << "its submenu still opens, with one notice";
    // A second key is answered: "Open" is chosen, and tells that the folder
    // cannot be opened.
    Press(popup, {'o', VK_RETURN});
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = MessageBoxOf(kelvo->Id())) != nullptr; }));
    EXPECT_NE(MessageBoxText(box).find(L"Could not open Q:\\Away"), std::wstring::npos) << MessageBoxText(box);
    PostMessageW(box, WM_CLOSE, 0, 0);
}

// A highlighted row is told to the program with the low 16 bits of its id
// only; the first custom entry, the first desktop entry and the first row of
// a folder share them with Properties, whose highlight makes the settings
// window. Only Properties may make it.
TEST_F(FolderMenusTest, OnlyHighlightingPropertiesMakesTheSettingsWindow) {
    tree.AddFolder(L"Letters");
    tree.AddFile(L"Letters\\x.txt");
    tree.AddFile(L"A.txt");
    tree.AddFile(L"B.txt");
    StoreList(L"Custom", {folder.ChoiceFor(L"A.txt")});
    StoreList(L"Desktop", {folder.ChoiceFor(L"B.txt"), folder.ChoiceFor(L"Letters")});
    Start();
    // A.txt, DeskTop; in it B.txt, Letters; in that Open, x.txt.
    HWND popup = nullptr;
    ASSERT_TRUE(ShowLevels({VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RIGHT, VK_DOWN}, 3, popup));
    Press(popup, {VK_ESCAPE, VK_ESCAPE});
    // The keys are taken in order: once the submenus are gone, every row
    // before them was highlighted and told.
    ASSERT_TRUE(WaitUntil([&] { return VisiblePopupsOf(kelvo->Id()).size() == 1; }));
    EXPECT_EQ(SettingsWindowOf(kelvo->Id()), nullptr) << "an entry or a folder's row made the settings window";
    Press(popup, {VK_DOWN});  // Properties, below DeskTop
    ASSERT_TRUE(WaitUntil([&] { return SettingsWindowOf(kelvo->Id()) != nullptr; }));
    EXPECT_FALSE(IsWindowVisible(SettingsWindowOf(kelvo->Id())));
    Press(popup, {VK_ESCAPE});
}


}  // namespace
}  // namespace kelvo::e2e
