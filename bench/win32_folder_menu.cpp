// Timing harness under Wine: a folder's submenu in the popup, filled as the
// menu manager opens it, for folders of 25, 1,000 and 10,000 files: from the
// request (WM_INITMENUPOPUP) to the submenu's window shown (the menu loop
// first waiting after it), the listing and the layout included. Beside it,
// the same rows made through the API alone, as a copy of the filled
// submenu, shown the same way: made beforehand, and made on the request
// after the folder is listed and its names put in order through the API
// alone (the least any program showing the folder must do). Then resident
// memory over 1,000 openings of a folder of 1,000 files.
#include <windows.h>
#include <psapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../tests/win32/OwnerWindow.h"
#include "Win32BenchFiles.h"
#include "menus/FolderLevels.h"
#include "menus/MenuIds.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32FolderReader.h"
#include "platform/win32/Win32Popup.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kShowings = 5;
constexpr int kEntry = kelvo::kDesktopIdBase + 1;

// What the owner does when a submenu is about to show, and when the menu
// loop first waits after it.
struct Owner {
    std::function<void(HMENU)> onOpening;
    Clock::time_point requested;
    Clock::time_point shown;
    bool opened = false;
};
Owner* current = nullptr;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (current != nullptr && message == WM_INITMENUPOPUP) {
        current->requested = Clock::now();
        current->opened = true;
        if (current->onOpening) current->onOpening(reinterpret_cast<HMENU>(wParam));
    } else if (current != nullptr && message == WM_ENTERIDLE && current->opened) {
        current->shown = Clock::now();
        EndMenu();
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Milliseconds from the request to the submenu shown, opening the first
// row of `menu` with the keyboard.
double OpenFirstRow(HWND owner, HMENU menu, Owner& hooks) {
    current = &hooks;
    hooks.opened = false;
    PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageW(owner, WM_KEYDOWN, VK_RIGHT, 1);
    SetForegroundWindow(owner);
    TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, owner, nullptr);
    current = nullptr;
    return std::chrono::duration<double, std::milli>(hooks.shown - hooks.requested).count();
}

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// A row of a menu, with its caption, ready to be put into another.
struct Row {
    MENUITEMINFOW item{};
    std::wstring caption;
};

// The rows of `menu`, their submenus those of `menu`.
std::vector<Row> RowsOf(HMENU menu) {
    std::vector<Row> rows(static_cast<std::size_t>(GetMenuItemCount(menu)));
    for (std::size_t pos = 0; pos < rows.size(); ++pos) {
        wchar_t caption[512] = {};
        MENUITEMINFOW& item = rows[pos].item;
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU | MIIM_STATE;
        item.dwTypeData = caption;
        item.cch = 511;
        GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &item);
        rows[pos].caption = caption;
    }
    return rows;
}

void AppendRows(HMENU menu, std::vector<Row>& rows) {
    for (Row& row : rows) {
        row.item.dwTypeData = row.caption.data();
        InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &row.item);
    }
}

// A copy of `menu` and its submenus made through the API alone.
HMENU CopyOf(HMENU menu) {
    std::vector<Row> rows = RowsOf(menu);
    for (Row& row : rows) {
        if (row.item.hSubMenu != nullptr) row.item.hSubMenu = CopyOf(row.item.hSubMenu);
    }
    HMENU copy = CreatePopupMenu();
    AppendRows(copy, rows);
    return copy;
}

// The names in `folder`, listed and put in Explorer's order of names.
std::vector<std::wstring> ListedInOrder(const std::string& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileExW(kelvo::Widen(folder + "\\*").c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.emplace_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::stable_sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        return StrCmpLogicalW(a.c_str(), b.c_str()) < 0;
    });
    return names;
}

// The popup of one folder entry, its submenu filled as the program fills it.
class FolderPopup {
public:
    FolderPopup(HWND owner, const std::string& folder) : popup_(owner) {
        menu_.folderEntries[kEntry] = kelvo::FolderRow{"Folder", folder, folder, false};
        menu_.tree.InsertSubmenu(0, "Folder", kEntry);
        popup_.Prepare(menu_.tree);
        hooks_.onOpening = [this](HMENU submenu) { Fill(submenu); };
    }
    double Open(HWND owner) {
        const double milliseconds = OpenFirstRow(owner, popup_.Menu(), hooks_);
        levels_.Forget();
        return milliseconds;
    }
    // The filled submenu made through the API alone, for comparison.
    HMENU FilledCopy(HWND owner) {
        HMENU copy = nullptr;
        hooks_.onOpening = [&](HMENU submenu) {
            Fill(submenu);
            copy = CopyOf(submenu);
        };
        Open(owner);
        hooks_.onOpening = [this](HMENU submenu) { Fill(submenu); };
        return copy;
    }

private:
    void Fill(HMENU submenu) {
        const auto opening = popup_.FolderOf(submenu);
        if (!opening) return;
        const auto widths = [this](const kelvo::MenuItem& row) { return popup_.RowWidth(row); };
        popup_.FillFolder(opening->id, *levels_.Open(menu_, opening->id, opening->depth, popup_.Room(), widths));
    }

    kelvo::Win32Popup popup_;
    kelvo::PopupMenu menu_;
    kelvo::Win32FolderReader reader_;
    kelvo::Win32FileSystem files_;
    kelvo::FolderLevels levels_{reader_, files_};
    Owner hooks_;
};

// The folder listed and ordered through the API alone on the request, and
// rows like the program's put in its submenu.
double ListAndShow(HWND owner, const std::string& folder, FolderPopup& popup) {
    HMENU submenu = CreatePopupMenu();
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), L"Folder");
    HMENU copy = popup.FilledCopy(owner);
    std::vector<Row> rows = RowsOf(copy);
    // The rows' submenus now belong to `submenu`.
    while (GetMenuItemCount(copy) > 0) RemoveMenu(copy, 0, MF_BYPOSITION);
    DestroyMenu(copy);
    std::size_t listed = 0;
    Owner hooks;
    hooks.onOpening = [&](HMENU opening) {
        if (opening != submenu) return;
        listed = ListedInOrder(folder).size();
        AppendRows(submenu, rows);
    };
    const double milliseconds = OpenFirstRow(owner, menu, hooks);
    DestroyMenu(menu);
    if (listed == 0) std::fprintf(stderr, "the folder listed nothing\n");
    return milliseconds;
}

void MeasureFolder(HWND owner, int files) {
    const std::string folder = kelvo::MakeFolder("folder-menu-" + std::to_string(files) + "-", ".txt", files);
    FolderPopup popup(owner, folder);
    std::vector<double> filled;
    for (int showing = 0; showing < kShowings; ++showing) filled.push_back(popup.Open(owner));
    HMENU copy = CreatePopupMenu();
    AppendMenuW(copy, MF_POPUP, reinterpret_cast<UINT_PTR>(popup.FilledCopy(owner)), L"Folder");
    Owner plain;
    std::vector<double> api;
    for (int showing = 0; showing < kShowings; ++showing) api.push_back(OpenFirstRow(owner, copy, plain));
    DestroyMenu(copy);
    std::vector<double> listed;
    for (int showing = 0; showing < kShowings; ++showing) listed.push_back(ListAndShow(owner, folder, popup));
    const double ours = Median(filled);
    const double theirs = Median(api);
    const double listing = Median(listed);
    std::printf("| %d | %.1f | %.1f | %.2f | %.1f | %.2f |\n", files, ours, theirs, ours / theirs, listing,
                ours / listing);
    std::fflush(stdout);
}

double WorkingSetMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

void MeasureMemory(HWND owner) {
    FolderPopup popup(owner, kelvo::MakeFolder("folder-menu-1000-", ".txt", 1000));
    std::printf("\n| openings of a folder of 1,000 files | working set (MB) |\n|---|---|\n");
    for (int opening = 1; opening <= 1000; ++opening) {
        popup.Open(owner);
        if (opening == 1 || opening == 10 || opening == 100 || opening == 500 || opening == 1000) {
            std::printf("| %d | %.1f |\n", opening, WorkingSetMegabytes());
            std::fflush(stdout);
        }
    }
}

}  // namespace

int main() {
    HWND owner = kelvo::MakeOwnerWindow(L"KelvoFolderMenuBench", OwnerProc);
    std::printf("| files in the folder | submenu filled and shown (ms) | the same rows made beforehand through the API alone, shown (ms) | ratio | the folder listed and ordered and the same rows made on the request through the API alone, shown (ms) | ratio |\n|---|---|---|---|---|---|\n");
    for (int files : {25, 1000, 10000}) MeasureFolder(owner, files);
    MeasureMemory(owner);
    DestroyWindow(owner);
    return 0;
}
