#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "FixtureFiles.h"
#include "platform/win32/RegistryStore.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32Parts.h"
#include "ScratchSignIn.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Folders.h"
#include "platform/win32/Win32ImageList.h"
#include "lists/DesktopScan.h"
#include "lists/EntryImages.h"
#include "lists/FileRows.h"
#include "lists/ListLoader.h"
#include "store/ChoiceWriter.h"

namespace kelvo {
namespace {

constexpr char kUnicodeName[] = "\xD0\x94\xD0\x9E\xD0\x9C \xCE\xB1\xCE\xB2\xCE\xB3.txt";  // ДОМ αβγ.txt
constexpr char kUnicodeLower[] = "\xD0\xB4\xD0\xBE\xD0\xBC \xCE\xB1\xCE\xB2\xCE\xB3.txt";  // дом αβγ.txt

std::string SystemProgram(const char* name) {
    wchar_t folder[MAX_PATH];
    GetSystemDirectoryW(folder, MAX_PATH);
    return Narrow(folder) + "\\" + name;
}

std::string WindowsProgram(const char* name) {
    wchar_t folder[MAX_PATH];
    GetWindowsDirectoryW(folder, MAX_PATH);
    const std::string path = Narrow(folder) + "\\" + name;
    return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES ? path : SystemProgram(name);
}

// A hidden settings window and every other real Win32 part, with a folder
// of the test's own standing in for the desktop, and another one, if given,
// for the desktop shared by all users.
class RealPartsTest : public ::testing::Test {
protected:
    explicit RealPartsTest(const std::string& desktopFolder, const std::string& sharedDesktop = {})
        : folders(desktopFolder, sharedDesktop) {}

    std::vector<ListRow> Rows() const {
        std::vector<ListRow> rows;
        for (int k = 1; k <= lists.desktop.view.Count(); ++k) rows.push_back(lists.desktop.view.Row(k));
        return rows;
    }

    ScratchStore store{"Scan"};
    Win32Folders folders;
    Win32Sources sources{store.Store(), folders};
    Win32Settings settings{GetModuleHandleW(nullptr)};
    Win32EventPump pump;
    const EntryLists& lists = settings.parts.lists;
    ListsState state;
};

// A fixture desktop folder in the temp folder: documents (one named outside
// the ANSI code page), a hidden file, a subfolder with a file of its own, and
// copies of a Windows program and of a console program.
class DesktopScanTest : public RealPartsTest {
protected:
    DesktopScanTest() : RealPartsTest(root) {}

    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        root = TempFolder() + "kelvo-scan-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryW(Widen(root).c_str(), nullptr);
        for (const char* name : {"README.TXT", "Notes.txt", kUnicodeName, "hidden.dat"}) Touch(root + "\\" + name);
        SetFileAttributesW(Widen(root + "\\hidden.dat").c_str(), FILE_ATTRIBUTE_HIDDEN);
        CreateDirectoryW(Widen(root + "\\Sub Folder").c_str(), nullptr);
        Touch(root + "\\Sub Folder\\inner.txt");
        CopyFileW(Widen(WindowsProgram("notepad.exe")).c_str(), Widen(root + "\\Editor.exe").c_str(), FALSE);
        CopyFileW(Widen(SystemProgram("cmd.exe")).c_str(), Widen(root + "\\Console.exe").c_str(), FALSE);
    }
    // File by file: Wine's SHFileOperationW can delete the wrong folder.
    static void TearDownTestSuite() {
        DeleteFileW(Widen(root + "\\Sub Folder\\inner.txt").c_str());
        RemoveDirectoryW(Widen(root + "\\Sub Folder").c_str());
        SetFileAttributesW(Widen(root + "\\hidden.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
        for (const char* name : {"README.TXT", "Notes.txt", kUnicodeName, "hidden.dat", "Editor.exe", "Console.exe"}) {
            DeleteFileW(Widen(root + "\\" + name).c_str());
        }
        RemoveDirectoryW(Widen(root).c_str());
        CoUninitialize();
    }

    const ListRow& RowNamed(const std::vector<ListRow>& rows, const std::string& text) const {
        auto row = std::find_if(rows.begin(), rows.end(), [&](const ListRow& r) { return r.text == text; });
        if (row != rows.end()) return *row;
        ADD_FAILURE() << "no row " << text;
        static const ListRow none;
        return none;
    }
    // The picture the list view control itself shows for row k.
    int ShownImage(int k) const {
        LVITEMW item{};
        item.mask = LVIF_IMAGE;
        item.iItem = k - 1;
        SendMessageW(settings.window.ControlHandle("desktopList"), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return item.iImage;
    }
    void StoreDesktopList(const std::vector<std::string>& names) {
        std::vector<std::string> values;
        for (const std::string& name : names) values.push_back(name + "%" + root + "\\%1");
        StoreDesktopValues(values);
    }
    void StoreDesktopValues(const std::vector<std::string>& values) {
        int position = 1;
        for (const std::string& value : values) store.Store().Put("Desktop", "MenuChoice" + std::to_string(position++), value);
        store.Store().Put("Desktop", "MenuChoice" + std::to_string(position), "Done");
    }

    static inline std::string root;
};

TEST_F(DesktopScanTest, LoadDeskTopListsEveryEntryOfTheDesktopFolderLowerCased) {
    StoreDesktopList({"Notes.txt"});
    LoadDesktopView(sources.parts, lists, state);
    ASSERT_EQ(lists.desktop.view.Count(), 1);

    LoadDeskTop(sources.parts, lists, pump, state);

    const std::string location = root + "\\";
    EXPECT_EQ(state.desktopPath, location);
    std::vector<std::string> expected;  // in the file system's own order
    for (std::string name : Win32Folders().List(root)) {
        if (name == "." || name == "..") continue;
        if (name == kUnicodeName) name = kUnicodeLower;
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        expected.push_back(name);
    }
    std::vector<std::string> shown;
    for (const ListRow& row : Rows()) {
        shown.push_back(row.text);
        EXPECT_EQ(row.subItem, location) << row.text;
    }
    EXPECT_EQ(shown, expected);
    for (const char* name : {"readme.txt", "notes.txt", kUnicodeLower, "hidden.dat", "sub folder", "editor.exe",
                             "console.exe"}) {
        EXPECT_NE(std::find(shown.begin(), shown.end(), name), shown.end()) << name;
    }
    EXPECT_EQ(std::find(shown.begin(), shown.end(), "inner.txt"), shown.end());
}

TEST_F(DesktopScanTest, ScannedRowsShowPicturesKeyedByKindOfFile) {
    LoadDeskTop(sources.parts, lists, pump, state);
    const std::vector<ListRow> rows = Rows();
    auto& images = dynamic_cast<Win32ImageList&>(settings.window.DesktopImages());

    std::set<std::string> keys;
    for (std::size_t k = 1; k <= rows.size(); ++k) {
        const ListRow& row = rows[k - 1];
        SCOPED_TRACE(row.text);
        ASSERT_FALSE(row.iconKey.empty());
        EXPECT_TRUE(images.Contains(row.iconKey));
        EXPECT_EQ(ShownImage(static_cast<int>(k)), images.IndexOf(row.iconKey));
        keys.insert(row.iconKey);
    }
    // One picture per key, besides the blank one every list starts with.
    EXPECT_EQ(images.Count(), static_cast<int>(keys.size()) + 1);

    const std::string textKey = RowNamed(rows, "readme.txt").iconKey;
    EXPECT_EQ(RowNamed(rows, "notes.txt").iconKey, textKey);
    EXPECT_EQ(RowNamed(rows, kUnicodeLower).iconKey, textKey);
    EXPECT_NE(RowNamed(rows, "sub folder").iconKey, textKey);
    EXPECT_NE(RowNamed(rows, "hidden.dat").iconKey, textKey);
}

TEST_F(DesktopScanTest, StoredListSkipsAFileThatIsGone) {
    StoreDesktopList({"README.TXT", "gone.txt", "Sub Folder", "hidden.dat"});

    LoadDesktopView(sources.parts, lists, state);

    const std::string location = root + "\\";
    const std::vector<ListRow> rows = Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].text, "README.TXT");
    EXPECT_EQ(rows[1].text, "Sub Folder");
    EXPECT_EQ(rows[2].text, "hidden.dat");
    for (const ListRow& row : rows) {
        EXPECT_EQ(row.subItem, location);
        EXPECT_TRUE(settings.window.DesktopImages().Contains(row.iconKey)) << row.text;
    }
    EXPECT_EQ(state.desktopCount, 4);  // the missing one is still counted
}

// The user's desktop beside the one shared by all users, which holds one
// of the user's names in capitals, a document and a program of its own.
class SharedDesktopScanTest : public RealPartsTest {
protected:
    SharedDesktopScanTest() : RealPartsTest(own, shared) {}

    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        const std::string id = std::to_string(GetCurrentProcessId());
        own = TempFolder() + "kelvo-own-desktop-" + id;
        shared = TempFolder() + "kelvo-shared-desktop-" + id;
        CreateDirectoryW(Widen(own).c_str(), nullptr);
        CreateDirectoryW(Widen(shared).c_str(), nullptr);
        for (const char* name : {"Mail.txt", "Notes.txt"}) Touch(own + "\\" + name);
        for (const char* name : {"MAIL.TXT", "Office Notes.txt"}) Touch(shared + "\\" + name);
        CopyFileW(Widen(WindowsProgram("notepad.exe")).c_str(), Widen(shared + "\\Browser.exe").c_str(), FALSE);
    }
    static void TearDownTestSuite() {
        RemoveTree(own);
        RemoveTree(shared);
        CoUninitialize();
    }
    static std::vector<std::string> Listed(const std::string& folder, const std::set<std::string>& hidden) {
        std::vector<std::string> names;  // lower-cased, in the file system's own order
        for (std::string name : Win32Folders().List(folder)) {
            for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (name != "." && name != ".." && !hidden.contains(name)) names.push_back(name);
        }
        return names;
    }

    static inline std::string own, shared;
};

TEST_F(SharedDesktopScanTest, SharedEntriesFollowTheOwnWithTheirFolderPictureAndStoredValue) {
    LoadDeskTop(sources.parts, lists, pump, state);

    std::vector<ListRow> expected;
    for (const std::string& name : Listed(own, {})) expected.push_back(ListRow{name, own + "\\", ""});
    for (const std::string& name : Listed(shared, {"mail.txt"})) expected.push_back(ListRow{name, shared + "\\", ""});
    std::vector<ListRow> rows = Rows();
    ASSERT_EQ(rows.size(), 4u);
    for (ListRow& row : rows) {
        EXPECT_TRUE(lists.desktop.images.Contains(row.iconKey)) << row.text;
        if (row.text == "browser.exe") {
            EXPECT_EQ(row.iconKey, "Browser.exe");
        }
        row.iconKey.clear();
    }
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(state.desktopPath, own + "\\");

    ASSERT_TRUE(SaveDesktopChoices(store.Store(), lists.desktop.view));
    for (std::size_t k = 1; k <= expected.size(); ++k) {
        const std::string value = expected[k - 1].text + "%" + expected[k - 1].subItem + "%1";
        EXPECT_EQ(store.Store().Get("Desktop", "MenuChoice" + std::to_string(k)), StoredValue::Text(value));
    }
}

TEST_F(SharedDesktopScanTest, ASharedDesktopThatCannotBeReadLeavesTheOwnList) {
    folders = Win32Folders(own, shared + "\\missing");
    LoadDeskTop(sources.parts, lists, pump, state);
    std::vector<std::string> shown;
    for (const ListRow& row : Rows()) shown.push_back(row.text);
    EXPECT_EQ(shown, Listed(own, {}));
}

// The real file system, counting what it is asked.
class CountingFileSystem : public FileSystem {
public:
    PathLookup Look(const std::string& path) override {
        looksAsked.push_back(path);
        return real.Look(path);
    }
    bool RootReachable(const std::string& root) override {
        ++rootQueries[root];
        return real.RootReachable(root);
    }

    Win32FileSystem real;
    std::vector<std::string> looksAsked;
    std::map<std::string, int> rootQueries;
};

// The same sources, with `files` standing in for their file system.
EntrySources WithFiles(const EntrySources& s, FileSystem& files) {
    return EntrySources{s.store, files, s.shell, s.folders};
}

TEST_F(DesktopScanTest, EntriesOnADriveThatIsNotThereStayAfterOneQuestionAndAGoneFileGoes) {
    const std::string absent = AbsentDriveRoot();
    ASSERT_FALSE(absent.empty());
    const std::string location = root + "\\";
    const std::string kept = "README.TXT%" + location + "%1";
    std::vector<std::string> onStick;
    for (int k = 1; k <= 100; ++k) onStick.push_back("stick" + std::to_string(k) + ".txt%" + absent + "Stick\\%1");
    std::vector<std::string> stored = {kept, "gone.txt%" + location + "%1"};
    stored.insert(stored.end(), onStick.begin(), onStick.end());
    StoreDesktopValues(stored);
    CountingFileSystem files;

    const EntrySources counted = WithFiles(sources.parts, files);
    ResetImages(lists.desktop);
    LoadDesktopView(counted, lists, state);

    EXPECT_EQ(files.rootQueries[absent], 1);
    for (const std::string& path : files.looksAsked) EXPECT_FALSE(path.starts_with(absent)) << path;
    const std::vector<ListRow> rows = Rows();
    ASSERT_EQ(rows.size(), 101u);
    EXPECT_EQ(rows[0].text, "README.TXT");
    const int unavailable = dynamic_cast<Win32ImageList&>(settings.window.DesktopImages()).IndexOf(kUnavailableIconKey);
    EXPECT_GE(unavailable, 0);
    for (int k = 2; k <= 101; ++k) {
        const std::string name = "stick" + std::to_string(k - 1) + ".txt";
        EXPECT_EQ(rows[k - 1], (ListRow{name, absent + "Stick\\", kUnavailableIconKey}));
        EXPECT_EQ(ShownImage(k), unavailable) << name;
    }

    ASSERT_TRUE(SaveDesktopChoices(store.Store(), lists.desktop.view));
    std::vector<std::string> expected = {kept};
    expected.insert(expected.end(), onStick.begin(), onStick.end());
    expected.push_back("Done");
    for (std::size_t k = 1; k <= expected.size(); ++k) {
        EXPECT_EQ(store.Store().Get("Desktop", "MenuChoice" + std::to_string(k)), StoredValue::Text(expected[k - 1]));
    }
}

// A desktop folder whose names hold letters that the file system does not
// match to their lower-case forms (İ, ẞ), beside one that it does (Ä).
class CaseSensitiveScanTest : public RealPartsTest {
protected:
    CaseSensitiveScanTest() : RealPartsTest(root) {}

    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        root = TempFolder() + "kelvo-scan-case-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryW(Widen(root).c_str(), nullptr);
        for (const char* name : {"\xC4\xB0STANBUL.TXT", "STRA\xE1\xBA\x9E" "E.TXT", "\xC3\x84RGER.TXT"}) {
            Touch(root + "\\" + name);
        }
    }
    static void TearDownTestSuite() {
        RemoveTree(root);
        CoUninitialize();
    }

    std::vector<std::string> ShownNames() const {
        std::vector<std::string> names;
        for (const ListRow& row : Rows()) names.push_back(row.text);
        return names;
    }

    static inline std::string root;
};

TEST_F(CaseSensitiveScanTest, ScannedNamesStillNameTheirFilesAfterOk) {
    LoadDeskTop(sources.parts, lists, pump, state);

    const std::vector<std::string> scanned = ShownNames();
    ASSERT_EQ(scanned.size(), 3u);
    Win32FileSystem files;
    for (const std::string& name : scanned) EXPECT_EQ(files.Look(root + "\\" + name), PathLookup::Found) << name;
    EXPECT_NE(std::find(scanned.begin(), scanned.end(), "\xC3\xA4rger.txt"), scanned.end());

    // OK stores the rows as shown; the next Properties finds every file.
    SaveDesktopChoices(store.Store(), lists.desktop.view);
    lists.desktop.view.Clear();
    LoadDesktopView(sources.parts, lists, state);
    EXPECT_EQ(ShownNames(), scanned);
}

}  // namespace
}  // namespace kelvo
