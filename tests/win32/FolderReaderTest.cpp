#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FixtureFiles.h"
#include "lists/ReachableRoots.h"
#include "menus/FolderRows.h"
#include "platform/win32/ExplorerSettings.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32FolderReader.h"
#include "text/TextUtils.h"

namespace kelvo {

void PrintTo(const ShortcutTarget& target, std::ostream* out) {
    *out << "{leadsTo " << static_cast<int>(target.leadsTo) << ", \"" << target.path << "\"}";
}
void PrintTo(TypeExtension shown, std::ostream* out) {
    *out << "TypeExtension " << static_cast<int>(shown);
}

namespace {

void MakeShortcut(const std::string& shortcut, const std::string& target) {
    IShellLinkW* link = nullptr;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                              reinterpret_cast<void**>(&link)));
    link->SetPath(Widen(target).c_str());
    IPersistFile* file = nullptr;
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    EXPECT_HRESULT_SUCCEEDED(file->Save(Widen(shortcut).c_str(), TRUE)) << shortcut;
    file->Release();
    link->Release();
}

// A file type of the user's own, registered while this lives; `flag` is the
// type's value NeverShowExt or AlwaysShowExt, or none.
class ScratchFileType {
public:
    ScratchFileType(std::wstring extension, std::wstring type, const wchar_t* flag = nullptr)
        : extension_(L"Software\\Classes\\" + extension), type_(L"Software\\Classes\\" + type) {
        RegSetKeyValueW(HKEY_CURRENT_USER, extension_.c_str(), nullptr, REG_SZ, type.c_str(),
                        static_cast<DWORD>((type.size() + 1) * sizeof(wchar_t)));
        RegSetKeyValueW(HKEY_CURRENT_USER, type_.c_str(), flag, REG_SZ, L"", sizeof(wchar_t));
    }
    ~ScratchFileType() {
        RegDeleteTreeW(HKEY_CURRENT_USER, extension_.c_str());
        RegDeleteTreeW(HKEY_CURRENT_USER, type_.c_str());
    }
    ScratchFileType(const ScratchFileType&) = delete;
    ScratchFileType& operator=(const ScratchFileType&) = delete;

private:
    std::wstring extension_;
    std::wstring type_;
};

void SetAttributes(const std::string& path, DWORD attributes) {
    SetFileAttributesW(Widen(path).c_str(), attributes);
}

// Explorer's three choices as a test sets them; the user's own come back
// afterwards.
class ExplorerChoices {
public:
    ExplorerChoices() {
        for (const wchar_t* name : kNames) kept_.push_back(ExplorerChoice(name));
    }
    ~ExplorerChoices() {
        for (std::size_t at = 0; at < kNames.size(); ++at) Set(kNames[at], kept_[at]);
    }
    ExplorerChoices(const ExplorerChoices&) = delete;
    ExplorerChoices& operator=(const ExplorerChoices&) = delete;

    // Each nullopt: the choice was never made.
    void Choose(std::optional<DWORD> hidden, std::optional<DWORD> showSuperHidden, std::optional<DWORD> hideFileExt) {
        Set(L"Hidden", hidden);
        Set(L"ShowSuperHidden", showSuperHidden);
        Set(L"HideFileExt", hideFileExt);
    }

private:
    static constexpr std::array<const wchar_t*, 3> kNames = {L"Hidden", L"ShowSuperHidden", L"HideFileExt"};

    static void Set(const wchar_t* name, std::optional<DWORD> value) {
        HKEY key;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, kExplorerAdvancedKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                            nullptr) != ERROR_SUCCESS)
            return;
        if (value) {
            RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value), sizeof(DWORD));
        } else {
            RegDeleteValueW(key, name);
        }
        RegCloseKey(key);
    }

    std::vector<std::optional<DWORD>> kept_;
};

// A fixture folder in the temp folder: a subfolder and an empty one,
// documents of a type of the test's own to order, hidden and protected
// system files, Explorer's own two files, and shortcuts made by the shell to
// a folder, a file, a drive, two targets deleted since, and a file that is
// no shortcut.
class FolderReaderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        root = TempFolder() + "kelvo-folders-" + std::to_string(GetCurrentProcessId());
        RemoveTree(root);
        for (const char* folder : {"", "\\Sub", "\\Empty", "\\Gone folder"}) CreateDirectoryW(Widen(root + folder).c_str(), nullptr);
        for (const char* file : {"file 10.kelvodoc", "file 2.kelvodoc", "Beta.kelvodoc", "hidden.kelvodoc",
                                 "protected.sys", "desktop.ini", "Thumbs.db", "gone.txt", "Garbage.lnk", "Sub\\inner.txt"})
            Touch(root + "\\" + file);
        SetAttributes(root + "\\hidden.kelvodoc", FILE_ATTRIBUTE_HIDDEN);
        for (const char* file : {"protected.sys", "desktop.ini", "Thumbs.db"})
            SetAttributes(root + "\\" + file, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        MakeShortcut(root + "\\To folder.lnk", root + "\\Sub");
        MakeShortcut(root + "\\To file.lnk", root + "\\Beta.kelvodoc");
        MakeShortcut(root + "\\To drive.lnk", SystemRoot());
        MakeShortcut(root + "\\Broken.lnk", root + "\\gone.txt");
        MakeShortcut(root + "\\Deleted folder.lnk", root + "\\Gone folder");
        DeleteFileW(Widen(root + "\\gone.txt").c_str());
        RemoveDirectoryW(Widen(root + "\\Gone folder").c_str());
    }
    static void TearDownTestSuite() {
        RemoveTree(root);
        CoUninitialize();
    }

    static std::string SystemRoot() {
        wchar_t windows[MAX_PATH];
        GetWindowsDirectoryW(windows, MAX_PATH);
        return Narrow(windows).substr(0, 3);
    }
    static std::string At(const std::string& name) { return root + "\\" + name; }

    static inline std::string root;
    Win32FolderReader reader;
};

TEST_F(FolderReaderTest, ListsEveryItemWithWhatExplorerNeedsOfIt) {
    const FolderListing listing = reader.List(root);
    ASSERT_EQ(listing.outcome, ListingOutcome::Listed);
    std::vector<FolderItem> items = listing.items;
    std::sort(items.begin(), items.end(), [](const FolderItem& a, const FolderItem& b) { return a.name < b.name; });
    const std::vector<FolderItem> expected = {
        {"Beta.kelvodoc", false, false, false},  {"Broken.lnk", false, false, false},
        {"Deleted folder.lnk", false, false, false}, {"Empty", true, false, false},
        {"Garbage.lnk", false, false, false},    {"Sub", true, false, false},
        {"Thumbs.db", false, true, true},        {"To drive.lnk", false, false, false},
        {"To file.lnk", false, false, false},    {"To folder.lnk", false, false, false},
        {"desktop.ini", false, true, true},      {"file 10.kelvodoc", false, false, false},
        {"file 2.kelvodoc", false, false, false}, {"hidden.kelvodoc", false, true, false},
        {"protected.sys", false, true, true},
    };
    EXPECT_EQ(items, expected);
}

TEST_F(FolderReaderTest, AFolderWithoutItemsSaysWhy) {
    const std::string missing = At("missing");
    const std::string absent = AbsentDriveRoot();
    ASSERT_FALSE(absent.empty());
    const struct {
        std::string folder;
        ListingOutcome outcome;
        std::string reason;
    } cases[] = {
        {At("Empty"), ListingOutcome::Listed, ""},
        {At("Empty\\"), ListingOutcome::Listed, ""},
        {missing, ListingOutcome::Unreadable, SystemErrorText(ERROR_PATH_NOT_FOUND, missing)},
        {absent + "Photos", ListingOutcome::NotAvailable, ""},
    };
    for (const auto& c : cases) {
        const FolderListing listing = reader.List(c.folder);
        EXPECT_EQ(listing.outcome, c.outcome) << c.folder;
        EXPECT_TRUE(listing.items.empty()) << c.folder;
        EXPECT_EQ(listing.reason, c.reason) << c.folder;
    }
}

// A share that is not there: Wine says so at once; Windows may take longer
// than the deadline to find out, and then the listing was left behind.
TEST_F(FolderReaderTest, AFolderOnAShareThatIsNotThereIsNotAvailableOrLeftBehind) {
    const FolderListing listing = reader.List("\\\\kelvo-no-such-server\\share\\folder");
    EXPECT_TRUE(listing.outcome == ListingOutcome::NotAvailable || listing.outcome == ListingOutcome::NotResponding)
        << static_cast<int>(listing.outcome);
    EXPECT_TRUE(listing.items.empty());
}

TEST_F(FolderReaderTest, ExplorersChoicesAreReadAsFolderOptionsWroteThem) {
    const struct {
        std::optional<DWORD> hidden, showSuperHidden, hideFileExt;
        ExplorerView view;
    } cases[] = {
        {std::nullopt, std::nullopt, std::nullopt, {false, false, false}},
        {1, std::nullopt, std::nullopt, {true, false, false}},
        {2, 1, 1, {false, true, false}},
        {2, 0, 0, {false, false, true}},
        {1, 1, 0, {true, true, true}},
    };
    ExplorerChoices choices;
    for (const auto& c : cases) {
        choices.Choose(c.hidden, c.showSuperHidden, c.hideFileExt);
        const ExplorerView view = reader.View();
        EXPECT_EQ(view.showHidden, c.view.showHidden) << c.hidden.value_or(99);
        EXPECT_EQ(view.showProtectedSystem, c.view.showProtectedSystem) << c.showSuperHidden.value_or(99);
        EXPECT_EQ(view.showKnownExtensions, c.view.showKnownExtensions) << c.hideFileExt.value_or(99);
    }
}

// File types of the user's own, beside the shell's shortcuts.
TEST_F(FolderReaderTest, ExtensionsShowAsTheirTypesAsk) {
    const ScratchFileType known(L".kelvoknown", L"KelvoTest.Known");
    const ScratchFileType always(L".kelvoalways", L"KelvoTest.Always", L"AlwaysShowExt");
    const ScratchFileType never(L".kelvonever", L"KelvoTest.Never", L"NeverShowExt");
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Classes\\.kelvoorphan", nullptr, REG_SZ, L"KelvoTest.NotThere",
                    sizeof L"KelvoTest.NotThere");
    const struct {
        const char* extension;
        TypeExtension shown;
    } cases[] = {
        {".kelvoknown", TypeExtension::Known},        {".KelvoKnown", TypeExtension::Known},
        {".kelvoalways", TypeExtension::AlwaysShown}, {".kelvonever", TypeExtension::NeverShown},
        {".kelvoorphan", TypeExtension::Unknown},     {".kelvonothing", TypeExtension::Unknown},
        {".lnk", TypeExtension::NeverShown},
    };
    for (const auto& c : cases) EXPECT_EQ(reader.ExtensionOf(c.extension), c.shown) << c.extension;
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Classes\\.kelvoorphan");
}

TEST_F(FolderReaderTest, ShortcutsLeadWhereTheirTargetsAreOrWereWhenTheyCannotBeAsked) {
    const std::vector<std::string> shortcuts = {At("To folder.lnk"), At("To file.lnk"),    At("To drive.lnk"),
                                                At("Broken.lnk"),    At("Deleted folder.lnk"), At("Garbage.lnk"),
                                                At("Missing.lnk")};
    const std::vector<ShortcutTarget> targets = {
        {ShortcutLeadsTo::Folder, At("Sub")},         {ShortcutLeadsTo::File, At("Beta.kelvodoc")},
        {ShortcutLeadsTo::Drive, SystemRoot()},        {ShortcutLeadsTo::Broken, At("gone.txt")},
        {ShortcutLeadsTo::Broken, At("Gone folder")}, {ShortcutLeadsTo::Broken, ""},
        {ShortcutLeadsTo::Broken, ""},
    };
    EXPECT_EQ(reader.Resolve(shortcuts, {}), targets);

    // Where the drive is known not to answer, what the shortcut recorded
    // decides, and no target is said to be gone. Wine records nothing: it
    // reads a target's attributes when asked, and a gone folder is no
    // folder there.
    const std::vector<ShortcutTarget> recorded = reader.Resolve(shortcuts, {AsciiLowerCase(PathRoot(root))});
    ASSERT_EQ(recorded.size(), targets.size());
    for (std::size_t at : {0, 1, 2, 5, 6}) EXPECT_EQ(recorded[at], targets[at]) << shortcuts[at];
    EXPECT_EQ(recorded[3], (ShortcutTarget{ShortcutLeadsTo::File, At("gone.txt")}));
    EXPECT_NE(recorded[4].leadsTo, ShortcutLeadsTo::Broken);
    EXPECT_EQ(recorded[4].path, At("Gone folder"));
}

// A shortcut whose file does not answer, as on a share that hangs: here a
// pipe that is never written.
TEST_F(FolderReaderTest, ShortcutsNotResolvedWithinTheDeadlineAreLeftBehind) {
    const std::wstring pipeName = L"\\\\.\\pipe\\kelvo-slow-" + std::to_wstring(GetCurrentProcessId());
    const HANDLE pipe = CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    const std::vector<ShortcutTarget> targets =
        reader.Resolve({At("To folder.lnk"), Narrow(pipeName), At("To file.lnk")}, {});
    CloseHandle(pipe);
    EXPECT_EQ(targets, (std::vector<ShortcutTarget>{{ShortcutLeadsTo::Folder, At("Sub")},
                                                    {ShortcutLeadsTo::NotResponding, ""},
                                                    {ShortcutLeadsTo::NotResponding, ""}}));
}

TEST_F(FolderReaderTest, NamesComeInExplorersOrder) {
    const std::vector<std::string> names = {"file 10", "File 2", "b", "file 1", "A", "\xC3\x84rger", "Zebra"};
    const std::vector<std::size_t> order = reader.ExplorerOrder(names);
    std::vector<std::string> ordered;
    for (const std::size_t at : order) ordered.push_back(names.at(at));
    EXPECT_EQ(ordered, (std::vector<std::string>{"A", "\xC3\x84rger", "b", "file 1", "File 2", "file 10", "Zebra"}));
}

// The menu's rows of the fixture folder, read through the real reader.
TEST_F(FolderReaderTest, AFoldersRowsAreAsExplorerShowsThem) {
    const struct {
        const char* what;
        std::optional<DWORD> hidden, showSuperHidden, hideFileExt;
        std::vector<std::string> captions;
    } cases[] = {
        {"Explorer's defaults", std::nullopt, std::nullopt, std::nullopt,
         {"Empty", "Sub", "Beta", "Broken", "Deleted folder", "file 2", "file 10", "Garbage", "To drive", "To file",
          "To folder"}},
        {"everything shown", 1, 1, 0,
         {"Empty", "Sub", "Beta.kelvodoc", "Broken", "Deleted folder", "file 2.kelvodoc", "file 10.kelvodoc",
          "Garbage", "hidden.kelvodoc", "protected.sys", "To drive", "To file", "To folder"}},
    };
    ExplorerChoices choices;
    const ScratchFileType document(L".kelvodoc", L"KelvoTest.Document");
    Win32FileSystem files;
    for (const auto& c : cases) {
        choices.Choose(c.hidden, c.showSuperHidden, c.hideFileExt);
        ReachableRoots roots(files);
        const FolderRows read = ReadFolderRows(reader, roots, FolderRow{"Fixture", root, root, false});
        std::vector<std::string> captions;
        std::vector<std::string> cascading;
        for (const FolderRow& row : read.rows) {
            captions.push_back(row.caption);
            if (row.Cascades()) cascading.push_back(row.caption + " > " + row.listed);
        }
        EXPECT_EQ(captions, c.captions) << c.what;
        EXPECT_EQ(cascading, (std::vector<std::string>{"Empty > " + At("Empty"), "Sub > " + At("Sub"),
                                                       "To drive > " + SystemRoot(), "To folder > " + At("Sub")}))
            << c.what;
    }
}

}  // namespace
}  // namespace kelvo
