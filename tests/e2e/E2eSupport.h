#pragma once
// Driving KelvoTop.exe from outside, as the shell and the user would: start
// it, send it the icon's mouse messages, press keys in its popup, and look at
// its windows, its stored lists and what it asked the shell to open.
#include <windows.h>

#include <cstdint>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvo::e2e {

inline constexpr UINT kTrayMessage = 0x0601;
inline constexpr LPARAM kLeftButtonDown = 0x0201;
inline constexpr LPARAM kRightButtonUp = 0x0205;
inline constexpr wchar_t kSettingsClass[] = L"KelvoTopSettings";
// The hidden window that holds the icon and gets its messages.
inline constexpr wchar_t kTrayClass[] = L"KelvoTopTray";

// Polls `condition` until it holds; false when it never did within a
// generous limit (the answer does not depend on how fast the machine is).
bool WaitUntil(const std::function<bool()>& condition);

// A file next to this test program.
std::wstring BesideThisProgram(const std::wstring& name);

// One run of KelvoTop.exe; ended by force if a test leaves it running.
class KelvoProcess {
public:
    // The KelvoTop.exe beside this test program.
    KelvoProcess();
    // The program at `path`, a Windows path.
    explicit KelvoProcess(const std::wstring& path);
    ~KelvoProcess();
    KelvoProcess(const KelvoProcess&) = delete;
    KelvoProcess& operator=(const KelvoProcess&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    bool IsRunning() const;
    // Waits for the end of the process; its exit code, or nullopt when it
    // did not end.
    std::optional<DWORD> WaitForExit() const;
    // Ends the process at once, as a crash or a power cut would.
    void Kill();
    // Waits until start-up is over: the icon is placed and no window of the
    // program is shown. The tray window, which holds the icon, or nullptr.
    HWND WaitUntilResident() const;

private:
    PROCESS_INFORMATION info_{};
};

// Every top-level window of `className` that belongs to process `pid`
// (any process when pid is 0).
std::vector<HWND> WindowsOfClass(const wchar_t* className, DWORD pid = 0);
// Every window of `className` inside `parent`, at any depth.
std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* className);
// The popup menu window shown by process `pid`, or nullptr.
HWND VisiblePopupOf(DWORD pid);
// Every popup menu window shown by process `pid`: the popup and each
// submenu open in it.
std::vector<HWND> VisiblePopupsOf(DWORD pid);
// True when `window` lies wholly inside the monitor it is shown on.
bool InsideItsMonitor(HWND window);
bool AnyWindowVisible(DWORD pid);
std::wstring WindowText(HWND window);
// The text a control of another process holds now (GetWindowText gives only
// its caption as created).
std::wstring ControlText(HWND control);
DWORD ProcessOf(HWND window);
void EndProcessOf(HWND window);
// The Explorer's top-level windows now.
std::vector<HWND> ExplorerWindows();
// A visible Explorer window that is not among `before`, once one shows;
// nullptr when none does in time.
HWND WaitForNewExplorerWindow(const std::vector<HWND>& before);

// The child window of `parent`, at any depth, whose caption is exactly
// `text`; nullptr when none.
HWND ChildWithText(HWND parent, const std::wstring& text);
// Presses a button of another process as a mouse click does.
void ClickButton(HWND button);
// Clicks tab `index` of a tab control of another process at its caption.
void ClickTab(HWND tabs, int index);
// Clicks row `row` (from 0) of a list view of another process with the mouse.
void ClickListRow(HWND list, int row);
// Drops `paths` onto a window of another process as the shell does after a
// drag from the file manager: a drop handle in that process, posted with
// WM_DROPFILES. The handle is a fixed block, which the drop calls of Wine
// read and finish as one from GlobalAlloc.
void DropFiles(HWND window, const std::vector<std::wstring>& paths);
// The message box shown by process `pid`, or nullptr.
HWND MessageBoxOf(DWORD pid);
// The text a message box shows.
std::wstring MessageBoxText(HWND box);
// Column `column` of every row of a list view of another process, top down.
std::vector<std::wstring> ListViewColumn(HWND list, int column);
int ListViewCount(HWND list);
// The image-list position of every row's small icon (I_IMAGENONE: none).
std::vector<int> ListViewImages(HWND list);

// Sends the notification-area icon's mouse action to the program.
void SendTrayMouse(HWND tray, LPARAM mouseCode);
// A right-button release on the icon; the popup window shown for it, or
// nullptr when none appeared.
HWND ShowPopupOf(HWND tray, DWORD pid);
// Shows the popup and chooses a row with `keys`; the path the recorder was
// asked to open then, empty when nothing was opened.
std::wstring OpenFromPopup(HWND tray, DWORD pid, const std::vector<WORD>& keys);
// Keys for the popup's own menu loop, pressed and released in order.
void PressKeys(HWND popup, const std::vector<WORD>& keys);
// Chooses "Properties", the popup's row above "Exit"; the settings window
// once it shows, nullptr when it does not.
HWND ChooseProperties(HWND tray, DWORD pid);
// True when process `pid` has loaded the library `name` ("comctl32.dll").
// What a window shows on the screen, pixel by pixel: 0x00RRGGBB.
struct Shot {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};
Shot ShotOf(HWND window);
// Pixels of the red "unavailable" sign in `shot`.
int RedPixels(const Shot& shot);
// Dark pixels, as the rows' text draws them: none before a menu is painted.
int TextPixels(const Shot& shot);
// A shot of a menu window once its rows are painted (a window just shown
// may still be blank), or the last shot taken when they never are.
Shot PaintedShotOf(HWND menu);
// Pixels of a picture at the start of a popup's rows, inside its frame,
// where a row's picture goes and where, without one, its text begins:
// neither the menu's background, its most common colour, nor a line across
// the row, such as a separator, nor the text. None in a popup of rows
// without pictures.
int MarginPicturePixels(const Shot& shot);
// How many rows of a menu shot show a picture: runs of lines with picture
// pixels, rows being apart by more than a line.
int MarginPictures(const Shot& shot);

bool HasLoaded(DWORD pid, const wchar_t* name);
// The settings window of process `pid`; nullptr while it is not made.
HWND SettingsWindowOf(DWORD pid);
// Waits for the settings window of process `pid` to show; nullptr when it
// does not.
HWND WaitForSettingsWindow(DWORD pid);
// True while the shell holds the icon of `owner`.
bool IconPlaced(HWND owner);
// Takes the icon of `owner` away, as a restarting shell does.
void RemoveIconOf(HWND owner);

// The program's stored lists in the registry of this prefix.
void ClearStore();
void StoreList(const wchar_t* section, const std::vector<std::wstring>& values);
std::optional<std::wstring> StoredValue(const wchar_t* section, const wchar_t* key);
// MenuChoice1, MenuChoice2... up to the first "Done" (included) or the first
// missing value.
std::vector<std::wstring> StoredList(const wchar_t* section);
bool StoredSectionExists(const wchar_t* section);
// Stores `value` as option `name` of the section Options.
void StoreOption(const wchar_t* name, const wchar_t* value);

// Gives the key at `path` under HKEY_CURRENT_USER the access `sddl`
// describes, as a policy would; false when the key cannot be changed.
bool SetAccess(const std::wstring& path, const wchar_t* sddl);

// While it lives, the program's key and both its sections may be read and
// not written, as a policy may lock them; nothing can be added under them.
class StoreLock {
public:
    StoreLock();
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    // False when the keys could not be locked or still take writes.
    bool Holds() const;
};

// While it lives, one section of the program's store can be neither read
// nor written, as a damaged or foreign-owned key may be.
class SectionReadLock {
public:
    explicit SectionReadLock(const wchar_t* section);
    ~SectionReadLock();
    SectionReadLock(const SectionReadLock&) = delete;
    SectionReadLock& operator=(const SectionReadLock&) = delete;
    // False when the section could not be locked or still reads.
    bool Holds() const;

private:
    std::wstring path_;
};

// Writes `values` and its "Done" into the staging section of `section`,
// marked complete, as a save that a kill cut short leaves them.
void StoreStagedList(const wchar_t* section, const std::vector<std::wstring>& values);

// The user's desktop folder of this prefix, ending with a backslash.
std::wstring DesktopFolder();
// The desktop shared by all users in this prefix, ending with a backslash.
std::wstring PublicDesktopFolder();
// Names of the entries of `folder` (ending with a backslash) in the file
// system's order, without "." and "..".
std::vector<std::wstring> FolderEntries(const std::wstring& folder);

// A folder of fixture files, emptied and made again.
class FixtureFolder {
public:
    FixtureFolder();
    ~FixtureFolder();
    const std::wstring& Path() const { return path_; }  // ends with a backslash
    void AddFile(const std::wstring& name);
    // The stored value of an entry for a file of this folder.
    std::wstring ChoiceFor(const std::wstring& name) const { return name + L"%" + path_ + L"%1"; }

private:
    std::wstring path_;
    std::vector<std::wstring> files_;
};

// Makes the recorder the default program of text files, registered under
// the type name "Text Document", and forgets what it recorded before;
// OpenedPaths lists what it was asked to open since.
void RouteTextFilesToRecorder();
std::vector<std::wstring> OpenedPaths();

}  // namespace kelvo::e2e
