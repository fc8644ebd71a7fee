#include "E2eSupport.h"

#include <commctrl.h>
#include <knownfolders.h>
#include <objbase.h>
#include <sddl.h>
#include <shellapi.h>
#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <map>

namespace kelvo::e2e {

namespace {
constexpr wchar_t kAppKey[] = L"Software\\VB and VBA Program Settings\\KelvoDesktop";
constexpr wchar_t kOpenedKey[] = L"Software\\KelvoE2E\\Opened";
constexpr wchar_t kRecorderType[] = L"KelvoE2E.Opened";

void SetString(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& value) {
    HKEY key;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

std::optional<std::wstring> GetString(HKEY root, const std::wstring& path, const wchar_t* name) {
    DWORD bytes = 0;
    if (RegGetValueW(root, path.c_str(), name, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegGetValueW(root, path.c_str(), name, RRF_RT_REG_SZ, nullptr, value.data(), &bytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.resize(bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return value;
}

struct ClassSearch {
    const wchar_t* className;
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOfClass(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ClassSearch*>(param);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (lstrcmpW(name, search->className) == 0 && (search->pid == 0 || ProcessOf(window) == search->pid)) {
        search->found.push_back(window);
    }
    return TRUE;
}

struct TextSearch {
    const std::wstring& text;
    HWND found = nullptr;
};

BOOL CALLBACK FindText(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TextSearch*>(param);
    if (WindowText(window) == search->text) search->found = window;
    return search->found == nullptr;
}

// Memory inside the process of a window, for messages whose arguments point
// to memory: the window reads and writes them in its own address space.
class RemoteMemory {
public:
    RemoteMemory(HWND window, std::size_t size)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               ProcessOf(window))),
          size_(size) {
        if (process_ != nullptr) {
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        }
    }
    ~RemoteMemory() {
        if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_ != nullptr) CloseHandle(process_);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    bool Ready() const { return address_ != nullptr; }
    // Leaves the memory to the process, which owns it from now on.
    void* Hand() {
        void* address = address_;
        address_ = nullptr;
        return address;
    }
    // The remote address `offset` bytes in.
    template <class T>
    T* At(std::size_t offset) const {
        return reinterpret_cast<T*>(static_cast<char*>(address_) + offset);
    }
    void Write(std::size_t offset, const void* data, std::size_t bytes) const {
        if (offset + bytes <= size_) WriteProcessMemory(process_, At<char>(offset), data, bytes, nullptr);
    }
    void Read(std::size_t offset, void* data, std::size_t bytes) const {
        if (offset + bytes <= size_) ReadProcessMemory(process_, At<char>(offset), data, bytes, nullptr);
    }

private:
    HANDLE process_;
    std::size_t size_;
    void* address_ = nullptr;
};

std::wstring ListViewText(HWND list, const RemoteMemory& memory, int row, int column) {
    constexpr int kChars = 512;
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = memory.At<wchar_t>(sizeof item);
    item.cchTextMax = kChars;
    const wchar_t empty = L'\0';
    memory.Write(sizeof item, &empty, sizeof empty);
    memory.Write(0, &item, sizeof item);
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(memory.At<LVITEMW>(0)));
    std::wstring text(kChars, L'\0');
    memory.Read(sizeof item, text.data(), kChars * sizeof(wchar_t));
    text.resize(text.find(L'\0') == std::wstring::npos ? kChars : text.find(L'\0'));
    return text;
}

struct VisibleSearch {
    DWORD pid;
    bool found = false;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<VisibleSearch*>(param);
    if (ProcessOf(window) == search->pid && IsWindowVisible(window)) search->found = true;
    return !search->found;
}
}  // namespace

bool WaitUntil(const std::function<bool()>& condition) {
    const ULONGLONG limit = GetTickCount64() + 60000;
    while (!condition()) {
        if (GetTickCount64() > limit) return false;
        Sleep(20);
    }
    return true;
}

std::wstring BesideThisProgram(const std::wstring& name) {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

KelvoProcess::KelvoProcess() : KelvoProcess(BesideThisProgram(KELVO_EXE_NAME)) {}

KelvoProcess::KelvoProcess(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_)) {
        info_ = {};
        return;
    }
    CloseHandle(info_.hThread);
    info_.hThread = nullptr;
}

KelvoProcess::~KelvoProcess() {
    if (!Started()) return;
    Kill();
    CloseHandle(info_.hProcess);
}

void KelvoProcess::Kill() {
    if (!IsRunning()) return;
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, INFINITE);
}

bool KelvoProcess::IsRunning() const {
    return Started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> KelvoProcess::WaitForExit() const {
    if (!Started() || !WaitUntil([this] { return !IsRunning(); })) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

HWND KelvoProcess::WaitUntilResident() const {
    HWND tray = nullptr;
    const bool resident = Started() && WaitUntil([&] {
        if (!IsRunning()) return true;
        const std::vector<HWND> windows = WindowsOfClass(kTrayClass, Id());
        tray = windows.empty() ? nullptr : windows.front();
        return tray != nullptr && IconPlaced(tray) && !AnyWindowVisible(Id());
    });
    return resident && IsRunning() ? tray : nullptr;
}

bool HasLoaded(DWORD pid, const wchar_t* name) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr) return false;
    HMODULE modules[512];
    DWORD bytes = 0;
    bool found = false;
    if (EnumProcessModulesEx(process, modules, sizeof modules, &bytes, LIST_MODULES_ALL)) {
        for (DWORD k = 0; k < bytes / sizeof(HMODULE) && !found; ++k) {
            wchar_t base[MAX_PATH] = {};
            GetModuleBaseNameW(process, modules[k], base, MAX_PATH);
            found = lstrcmpiW(base, name) == 0;
        }
    }
    CloseHandle(process);
    return found;
}

HWND SettingsWindowOf(DWORD pid) {
    const std::vector<HWND> windows = WindowsOfClass(kSettingsClass, pid);
    return windows.empty() ? nullptr : windows.front();
}

HWND WaitForSettingsWindow(DWORD pid) {
    HWND settings = nullptr;
    WaitUntil([&] { return (settings = SettingsWindowOf(pid)) != nullptr && IsWindowVisible(settings); });
    return settings != nullptr && IsWindowVisible(settings) ? settings : nullptr;
}

std::vector<HWND> WindowsOfClass(const wchar_t* className, DWORD pid) {
    ClassSearch search{className, pid, {}};
    EnumWindows(CollectOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* className) {
    ClassSearch search{className, 0, {}};
    EnumChildWindows(parent, CollectOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND VisiblePopupOf(DWORD pid) {
    for (HWND popup : WindowsOfClass(L"#32768", pid)) {
        if (IsWindowVisible(popup)) return popup;
    }
    return nullptr;
}

std::vector<HWND> VisiblePopupsOf(DWORD pid) {
    std::vector<HWND> shown;
    for (HWND popup : WindowsOfClass(L"#32768", pid)) {
        if (IsWindowVisible(popup)) shown.push_back(popup);
    }
    return shown;
}

bool InsideItsMonitor(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    const RECT& screen = info.rcMonitor;
    return rect.left >= screen.left && rect.top >= screen.top && rect.right <= screen.right &&
           rect.bottom <= screen.bottom;
}

bool AnyWindowVisible(DWORD pid) {
    VisibleSearch search{pid};
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ControlText(HWND control) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

void EndProcessOf(HWND window) {
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, ProcessOf(window))) {
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 10000);
        CloseHandle(process);
    }
}

std::vector<HWND> ExplorerWindows() {
    return WindowsOfClass(L"ExplorerWClass");
}

HWND WaitForNewExplorerWindow(const std::vector<HWND>& before) {
    HWND explorer = nullptr;
    WaitUntil([&] {
        for (HWND window : ExplorerWindows()) {
            if (IsWindowVisible(window) && std::find(before.begin(), before.end(), window) == before.end()) {
                explorer = window;
            }
        }
        return explorer != nullptr;
    });
    return explorer;
}

HWND ChildWithText(HWND parent, const std::wstring& text) {
    TextSearch search{text};
    EnumChildWindows(parent, FindText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ClickButton(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

// Clicks the middle of the part of `control` that `message` reports, with
// `asked` (a RECT that may carry an argument) in and the part out.
void ClickPartOf(HWND control, UINT message, WPARAM which, const RECT& asked) {
    RemoteMemory memory(control, sizeof(RECT));
    if (!memory.Ready()) return;
    memory.Write(0, &asked, sizeof asked);
    SendMessageW(control, message, which, reinterpret_cast<LPARAM>(memory.At<RECT>(0)));
    RECT part{};
    memory.Read(0, &part, sizeof part);
    const LPARAM at = MAKELPARAM((part.left + part.right) / 2, (part.top + part.bottom) / 2);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
}

void ClickTab(HWND tabs, int index) {
    ClickPartOf(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), RECT{});
}

void ClickListRow(HWND list, int row) {
    ClickPartOf(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), RECT{LVIR_LABEL, 0, 0, 0});
}

void DropFiles(HWND window, const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    list += L'\0';
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    RemoteMemory memory(window, sizeof header + list.size() * sizeof(wchar_t));
    if (!memory.Ready()) return;
    memory.Write(0, &header, sizeof header);
    memory.Write(sizeof header, list.data(), list.size() * sizeof(wchar_t));
    // The process finishes the drop, and with it the handle.
    PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory.Hand()), 0);
}

HWND MessageBoxOf(DWORD pid) {
    const std::vector<HWND> boxes = WindowsOfClass(L"#32770", pid);
    for (HWND box : boxes) {
        if (IsWindowVisible(box)) return box;
    }
    return nullptr;
}

std::wstring MessageBoxText(HWND box) {
    constexpr int kTextId = 0xFFFF;  // the static text of a message box
    return WindowText(GetDlgItem(box, kTextId));
}

std::vector<std::wstring> ListViewColumn(HWND list, int column) {
    std::vector<std::wstring> texts;
    RemoteMemory memory(list, sizeof(LVITEMW) + 512 * sizeof(wchar_t));
    if (!memory.Ready()) return texts;
    for (int row = 0; row < ListViewCount(list); ++row) texts.push_back(ListViewText(list, memory, row, column));
    return texts;
}

std::vector<int> ListViewImages(HWND list) {
    std::vector<int> images;
    RemoteMemory memory(list, sizeof(LVITEMW));
    if (!memory.Ready()) return images;
    for (int row = 0; row < ListViewCount(list); ++row) {
        LVITEMW item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        memory.Write(0, &item, sizeof item);
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(memory.At<LVITEMW>(0)));
        memory.Read(0, &item, sizeof item);
        images.push_back(item.iImage);
    }
    return images;
}

int ListViewCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

void SendTrayMouse(HWND tray, LPARAM mouseCode) {
    PostMessageW(tray, kTrayMessage, 0, mouseCode);
}

HWND ShowPopupOf(HWND tray, DWORD pid) {
    SendTrayMouse(tray, kRightButtonUp);
    HWND popup = nullptr;
    WaitUntil([&] { return (popup = VisiblePopupOf(pid)) != nullptr; });
    return popup;
}

std::wstring OpenFromPopup(HWND tray, DWORD pid, const std::vector<WORD>& keys) {
    const std::size_t before = OpenedPaths().size();
    HWND popup = ShowPopupOf(tray, pid);
    if (popup == nullptr) return L"(no popup)";
    PressKeys(popup, keys);
    if (!WaitUntil([&] { return OpenedPaths().size() > before; })) return {};
    return OpenedPaths().back();
}

void PressKeys(HWND popup, const std::vector<WORD>& keys) {
    for (WORD key : keys) {
        PostMessageW(popup, WM_KEYDOWN, key, 1);
        PostMessageW(popup, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
    }
}

HWND ChooseProperties(HWND tray, DWORD pid) {
    HWND popup = ShowPopupOf(tray, pid);
    if (popup == nullptr) return nullptr;
    PressKeys(popup, {VK_UP, VK_UP, VK_RETURN});
    return WaitForSettingsWindow(pid);
}

bool IconPlaced(HWND owner) {
    // A change that changes nothing succeeds only for an icon the shell holds.
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = 0;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void RemoveIconOf(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = 0;
    Shell_NotifyIconW(NIM_DELETE, &data);
}

void ClearStore() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kAppKey);
}

void StoreList(const wchar_t* section, const std::vector<std::wstring>& values) {
    const std::wstring path = std::wstring(kAppKey) + L"\\" + section;
    RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    int position = 1;
    for (const std::wstring& value : values) {
        SetString(HKEY_CURRENT_USER, path, (L"MenuChoice" + std::to_wstring(position++)).c_str(), value);
    }
    SetString(HKEY_CURRENT_USER, path, (L"MenuChoice" + std::to_wstring(position)).c_str(), L"Done");
}

std::optional<std::wstring> StoredValue(const wchar_t* section, const wchar_t* key) {
    return GetString(HKEY_CURRENT_USER, std::wstring(kAppKey) + L"\\" + section, key);
}

std::vector<std::wstring> StoredList(const wchar_t* section) {
    std::vector<std::wstring> values;
    for (int position = 1;; ++position) {
        auto value = StoredValue(section, (L"MenuChoice" + std::to_wstring(position)).c_str());
        if (!value) return values;
        values.push_back(*value);
        if (*value == L"Done") return values;
    }
}

void StoreOption(const wchar_t* name, const wchar_t* value) {
    SetString(HKEY_CURRENT_USER, std::wstring(kAppKey) + L"\\Options", name, value);
}

bool StoredSectionExists(const wchar_t* section) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, (std::wstring(kAppKey) + L"\\" + section).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

bool SetAccess(const std::wstring& path, const wchar_t* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor, nullptr)) {
        return false;
    }
    HKEY key;
    LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, WRITE_DAC, &key);
    if (status == ERROR_SUCCESS) {
        status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
        RegCloseKey(key);
    }
    LocalFree(descriptor);
    return status == ERROR_SUCCESS;
}

namespace {
const wchar_t* const kLockedKeys[] = {L"", L"\\Desktop", L"\\Custom"};
}  // namespace

StoreLock::StoreLock() {
    for (const wchar_t* key : kLockedKeys) SetAccess(kAppKey + std::wstring(key), L"D:P(A;;KR;;;WD)");
}

StoreLock::~StoreLock() {
    for (const wchar_t* key : kLockedKeys) SetAccess(kAppKey + std::wstring(key), L"D:P(A;;KA;;;WD)");
}

bool StoreLock::Holds() const {
    for (const wchar_t* key : kLockedKeys) {
        HKEY handle;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, (kAppKey + std::wstring(key)).c_str(), 0, KEY_SET_VALUE |
                          KEY_CREATE_SUB_KEY, &handle) == ERROR_SUCCESS) {
            RegCloseKey(handle);
            return false;
        }
    }
    return true;
}

SectionReadLock::SectionReadLock(const wchar_t* section) : path_(kAppKey + std::wstring(L"\\") + section) {
    SetAccess(path_, L"D:P");
}

SectionReadLock::~SectionReadLock() {
    SetAccess(path_, L"D:P(A;;KA;;;WD)");
}

bool SectionReadLock::Holds() const {
    HKEY handle;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_QUERY_VALUE, &handle) == ERROR_SUCCESS) {
        RegCloseKey(handle);
        return false;
    }
    return true;
}

void StoreStagedList(const wchar_t* section, const std::vector<std::wstring>& values) {
    const std::wstring staging = section + std::wstring(L".saving");
    StoreList(staging.c_str(), values);
    SetString(HKEY_CURRENT_USER, std::wstring(kAppKey) + L"\\" + staging, L"Complete", std::to_wstring(values.size()));
}

namespace {
std::wstring KnownFolder(REFKNOWNFOLDERID which) {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(which, 0, nullptr, &path))) folder = path;
    CoTaskMemFree(path);
    return folder.empty() || folder.back() == L'\\' ? folder : folder + L'\\';
}
}  // namespace

std::wstring DesktopFolder() { return KnownFolder(FOLDERID_Desktop); }

std::wstring PublicDesktopFolder() { return KnownFolder(FOLDERID_PublicDesktop); }

std::vector<std::wstring> FolderEntries(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

FixtureFolder::FixtureFolder() : path_(L"C:\\kelvo-e2e\\") {
    CreateDirectoryW(path_.c_str(), nullptr);
}

FixtureFolder::~FixtureFolder() {
    for (const std::wstring& name : files_) DeleteFileW((path_ + name).c_str());
    RemoveDirectoryW(path_.c_str());
}

void FixtureFolder::AddFile(const std::wstring& name) {
    CloseHandle(CreateFileW((path_ + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    files_.push_back(name);
}

void RouteTextFilesToRecorder() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kOpenedKey);
    SetString(HKEY_CLASSES_ROOT, L".txt", nullptr, kRecorderType);
    // A registered type has a name; the shell names files of the type by it.
    SetString(HKEY_CLASSES_ROOT, kRecorderType, nullptr, L"Text Document");
    SetString(HKEY_CLASSES_ROOT, std::wstring(kRecorderType) + L"\\shell\\open\\command", nullptr,
              L"\"" + BesideThisProgram(L"e2e_open_recorder.exe") + L"\" \"%1\"");
}

std::vector<std::wstring> OpenedPaths() {
    std::vector<std::wstring> paths;
    for (int index = 1;; ++index) {
        auto path = GetString(HKEY_CURRENT_USER, kOpenedKey, std::to_wstring(index).c_str());
        if (!path) return paths;
        paths.push_back(*path);
    }
}

Shot ShotOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    Shot shot{rect.right - rect.left, rect.bottom - rect.top, {}};
    shot.pixels.resize(static_cast<std::size_t>(shot.width) * static_cast<std::size_t>(shot.height));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, shot.width, shot.height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = shot.width;
    format.bmiHeader.biHeight = -shot.height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(shot.height), shot.pixels.data(), &format, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (std::uint32_t& pixel : shot.pixels) pixel &= 0x00FFFFFF;
    return shot;
}

int RedPixels(const Shot& shot) {
    int red = 0;
    for (std::uint32_t pixel : shot.pixels) {
        red += (pixel >> 16) >= 0xB0 && ((pixel >> 8) & 0xFF) < 0x50 && (pixel & 0xFF) < 0x50;
    }
    return red;
}

int TextPixels(const Shot& shot) {
    int dark = 0;
    for (std::uint32_t pixel : shot.pixels) {
        dark += (pixel >> 16) < 0x40 && ((pixel >> 8) & 0xFF) < 0x40 && (pixel & 0xFF) < 0x40;
    }
    return dark;
}

Shot PaintedShotOf(HWND menu) {
    Shot shot = ShotOf(menu);
    for (int look = 0; look < 100 && TextPixels(shot) < 20; ++look) {
        Sleep(20);
        shot = ShotOf(menu);
    }
    return shot;
}

namespace {

// Picture pixels of line `y` of a menu shot's margin (see MarginPicturePixels).
int MarginPictureLine(const Shot& shot, int y, std::uint32_t background) {
    const std::uint32_t acrossTheRow = shot.At(shot.width - 8, y);
    int picture = 0;
    for (int x = 4; x < 34 && x < shot.width; ++x) {
        const std::uint32_t pixel = shot.At(x, y);
        picture += pixel != background && pixel != acrossTheRow && pixel != 0x000000;
    }
    return picture;
}

std::uint32_t MostCommonColour(const Shot& shot) {
    std::map<std::uint32_t, int> counts;
    for (std::uint32_t pixel : shot.pixels) ++counts[pixel];
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

}  // namespace

int MarginPicturePixels(const Shot& shot) {
    const std::uint32_t background = MostCommonColour(shot);
    int picture = 0;
    for (int y = 4; y < shot.height - 4; ++y) picture += MarginPictureLine(shot, y, background);
    return picture;
}

int MarginPictures(const Shot& shot) {
    const std::uint32_t background = MostCommonColour(shot);
    int pictures = 0;
    bool inPicture = false;
    for (int y = 4; y < shot.height - 4; ++y) {
        const bool lineHasPicture = MarginPictureLine(shot, y, background) > 0;
        pictures += lineHasPicture && !inPicture;
        inPicture = lineHasPicture;
    }
    return pictures;
}


}  // namespace kelvo::e2e
