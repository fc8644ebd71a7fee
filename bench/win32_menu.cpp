// Timing harness under Wine: the popup's kept system menu with n entries
// per list, in the program's own shape (laid out for the screen, the
// "DeskTop" submenu): laying it out and building it, bringing it up to date
// after every caption changed, and showing it (Track until the menu loop
// first waits, then Escape). For comparison, menus made straight through the
// API: the popup's own top-level rows, one column of text rows, and
// owner-drawn rows whose sizes the owner answers from a constant, to show
// what the menu manager spends per row at every showing.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "../tests/win32/OwnerWindow.h"
#include "Win32BenchFiles.h"
#include "menus/MenuIds.h"
#include "menus/MenuLevel.h"
#include "menus/PopupLayout.h"
#include "platform/win32/Win32Popup.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kShowings = 5;

double MillisecondsOf(const std::function<void()>& work) {
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Sizes owner-drawn rows without measuring text, draws only rows in view,
// and closes any menu as soon as its loop waits.
LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            item->itemWidth = 120;
            item->itemHeight = 18;
            return TRUE;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            RECT clip{};
            RECT shown{};
            GetClipBox(item->hDC, &clip);
            if (IntersectRect(&shown, &clip, &item->rcItem)) {
                DrawTextW(item->hDC, L"Note.txt", -1, const_cast<RECT*>(&item->rcItem), DT_SINGLELINE);
            }
            return TRUE;
        }
        case WM_ENTERIDLE: PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1); return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

// The popup as the program builds it, with `stem` in every entry's name,
// before it is laid out for the screen.
kelvo::MenuLevel Popup(int entries, const std::string& stem) {
    using namespace kelvo;
    MenuLevel tree;
    tree.InsertSeparator(0);
    for (int k = 1; k <= entries; ++k) tree.InsertCommand(k, kCustomIdBase + k, stem + "-" + std::to_string(k) + ".txt");
    tree.InsertSeparator(tree.Count());
    MenuLevel& desktop = tree.InsertSubmenu(tree.Count(), "DeskTop");
    desktop.InsertSeparator(0);
    for (int k = 1; k <= entries; ++k) desktop.InsertCommand(k, kDesktopIdBase + k, stem + "-" + std::to_string(k) + ".txt");
    tree.InsertCommand(tree.Count(), kPropertiesId, "Properties");
    tree.InsertCommand(tree.Count(), kExitId, "Exit");
    return tree;
}

double MedianShowing(const std::function<void()>& show) {
    std::vector<double> samples;
    for (int showing = 0; showing < kShowings; ++showing) samples.push_back(MillisecondsOf(show));
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// A menu of `rows` rows made through the API alone.
HMENU PlainMenu(int rows, UINT flags) {
    HMENU menu = CreatePopupMenu();
    for (int row = 1; row <= rows; ++row) {
        const std::wstring caption = L"Note-" + std::to_wstring(row) + L".txt";
        AppendMenuW(menu, flags, static_cast<UINT_PTR>(row),
                    flags & MF_OWNERDRAW ? reinterpret_cast<LPCWSTR>(static_cast<UINT_PTR>(row)) : caption.c_str());
    }
    return menu;
}

// The top level of `kept` made afresh through the API alone: the same
// captions, separators, column breaks and ids, and empty submenus.
HMENU CopyOfTopLevel(HMENU kept) {
    HMENU menu = CreatePopupMenu();
    for (int pos = 0; pos < GetMenuItemCount(kept); ++pos) {
        wchar_t caption[512] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        item.dwTypeData = caption;
        item.cch = 511;
        GetMenuItemInfoW(kept, static_cast<UINT>(pos), TRUE, &item);
        if (item.hSubMenu != nullptr) item.hSubMenu = CreatePopupMenu();
        InsertMenuItemW(menu, static_cast<UINT>(pos), TRUE, &item);
    }
    return menu;
}

double ShowMenu(HWND owner, HMENU menu) {
    const double median = MedianShowing([&] {
        SetForegroundWindow(owner);
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, 100, 100, 0, owner, nullptr);
    });
    DestroyMenu(menu);
    return median;
}

double ShowPlain(HWND owner, int rows, UINT flags) {
    return ShowMenu(owner, PlainMenu(rows, flags));
}

void MeasureSize(HWND owner, int entries) {
    kelvo::Win32Popup popup(owner);
    const auto prepare = [&popup](const kelvo::MenuLevel& tree) {
        popup.Prepare(kelvo::LayOutPopup(tree, popup.Room(),
                                         [&popup](const kelvo::MenuItem& row) { return popup.RowWidth(row); }));
    };
    const double build = MillisecondsOf([&] { prepare(Popup(entries, "Note")); });
    const double update = MillisecondsOf([&] { prepare(Popup(entries, "Memo")); });
    const double show = MedianShowing([&] { popup.Track(kelvo::PopupOpening::Mouse); });
    const double sameRows = ShowMenu(owner, CopyOfTopLevel(popup.Menu()));
    const double column = ShowPlain(owner, entries, MF_STRING);
    const double ownerDrawn = ShowPlain(owner, entries, MF_OWNERDRAW);
    std::printf("| %d | %.1f | %.1f | %.1f | %.1f | %.1f | %.1f |\n", entries, build, update, show, sameRows, column,
                ownerDrawn);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    HWND owner = kelvo::MakeOwnerWindow(L"KelvoMenuBench", OwnerProc);
    std::printf("| entries per list | build (ms) | every caption changed (ms) | popup shown (ms) |"
                " its top-level rows made through the API alone, shown (ms) |"
                " one column of text rows shown (ms) | owner-drawn rows shown (ms) |\n|---|---|---|---|---|---|---|\n");
    std::vector<int> sizes{2, 100, 1000, 5000, 10000};
    if (argc > 1) sizes.assign(1, std::atoi(argv[1]));
    for (int entries : sizes) MeasureSize(owner, entries);
    DestroyWindow(owner);
    return 0;
}
