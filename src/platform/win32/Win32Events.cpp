#include "platform/win32/Win32Events.h"

#include "platform/win32/MenuLetters.h"
#include "platform/win32/SingleInstance.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32Taskbar.h"
#include "settings/Layout.h"

namespace kelvo {
namespace {

void OnSecondStart(const Win32SettingsMaker& settings, Application& app) {
    Guarded([&] { app.OnSecondStart(); });
    // The second copy let this one take the front.
    const Win32Settings* made = settings.IfMade();
    if (made != nullptr && IsWindowVisible(made->window.Handle())) SetForegroundWindow(made->window.Handle());
}

// What the popup's menu loop tells its owner: a row highlighted, a submenu
// about to show, a typed letter, a right-button release on a row. True when
// the message was one of them.
bool OnPopupMessage(Win32Tray& tray, Application& app, UINT message, WPARAM wParam, LPARAM lParam,
                    LRESULT& result) {
    switch (message) {
        case WM_MENUSELECT:
            if (HIWORD(wParam) & MF_POPUP) return false;
            if (const auto id = tray.popup.HighlightedRowId(reinterpret_cast<HMENU>(lParam), LOWORD(wParam))) {
                Guarded([&] { app.OnMenuRowHighlighted(*id); });
            }
            return false;
        case WM_INITMENUPOPUP:
            if (const auto folder = tray.popup.FolderOf(reinterpret_cast<HMENU>(wParam))) {
                Guarded([&] { app.OnSubmenuOpening(folder->id, folder->depth); });
            }
            return false;
        case WM_MENURBUTTONUP:
            if (const auto id = tray.popup.RowIdAt(reinterpret_cast<HMENU>(lParam), static_cast<int>(wParam))) {
                Guarded([&] { app.OnRowRightReleased(*id); });
            }
            result = 0;
            return true;
        case WM_MENUCHAR:
            result = AnswerMenuChar(tray.window.Handle(), reinterpret_cast<HMENU>(lParam),
                                    static_cast<wchar_t>(LOWORD(wParam)));
            return true;
        case kIconsFoundMessage:
            if (auto icons = tray.icons.Take(static_cast<unsigned>(wParam))) {
                Guarded([&] { app.OnIconsFound(static_cast<unsigned>(wParam), *icons); });
            }
            result = 0;
            return true;
        case kEntriesFollowedMessage:
            if (auto targets = tray.follower.Take(static_cast<unsigned>(wParam))) {
                Guarded([&] { app.OnEntriesFollowed(static_cast<unsigned>(wParam), *targets); });
            }
            result = 0;
            return true;
        default: return false;
    }
}

// The icon's mouse messages, the popup's, the key that opens the menu, the
// taskbar's restart and a second start.
void ConnectTrayMessages(Win32Parts& parts, Application& app) {
    parts.tray.window.onMessage = [&app, &parts](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        // The popup's own pictures first: the shell's menu, shown over the
        // popup, takes every other drawn row while it shows.
        if ((message == WM_MEASUREITEM || message == WM_DRAWITEM) &&
            parts.tray.popup.AnswerPictureMessage(message, lParam)) {
            result = TRUE;
            return true;
        }
        if (parts.tray.shellMenus.OnOwnerMessage(message, wParam, lParam, result)) return true;
        if (parts.tray.icons.OnMessage(message, wParam)) {
            result = 0;
            return true;
        }
        if (message == WM_MENUSELECT || message == WM_INITMENUPOPUP || message == WM_MENUCHAR ||
            message == WM_MENURBUTTONUP || message == kEntriesFollowedMessage || message == kIconsFoundMessage) {
            return OnPopupMessage(parts.tray, app, message, wParam, lParam, result);
        }
        if (message == kTrayCallbackMessage) {
            Guarded([&] { app.OnTrayMessage(static_cast<long>(lParam)); });
        } else if (message == TaskbarCreatedMessage()) {
            Guarded([&] { app.OnTaskbarCreated(); });
        } else if (message == WM_HOTKEY) {
            Guarded([&] { app.OnMenuKey(); });
        } else if (message == SecondStartMessage()) {
            OnSecondStart(parts.settings, app);
        } else {
            return false;
        }
        result = 0;
        return true;
    };
}

void ConnectSettingsEvents(Win32Settings& settings, Application& app) {
    SettingsWindow& window = settings.window;
    window.onMessage = [&settings](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message != WM_SETCURSOR || !settings.pointer.OnSetCursor()) return false;
        result = TRUE;
        return true;
    };
    window.onClick = [&app](SettingsCommand command) { Guarded([&] { app.OnSettingsCommand(command); }); };
    window.onListSelection = [&app](int list) { Guarded([&] { app.OnListSelectionChanged(list); }); };
    window.onTabChange = [&app](int tab) { Guarded([&] { app.OnTabChange(tab); }); };
    window.onDrop = [&app](const std::vector<std::string>& paths) { Guarded([&] { app.OnFilesDropped(paths); }); };
    window.onScaleChanged = [&app] { Guarded([&] { app.OnScaleChanged(); }); };
}

}  // namespace

void ShowError(const std::string& text) {
    MessageBoxW(nullptr, Widen(text).c_str(), Widen(layout::Desktop().caption).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

void ConnectEvents(Win32Parts& parts, Application& app) {
    ConnectTrayMessages(parts, app);
    parts.settings.onMade = [&app](Win32Settings& settings) { ConnectSettingsEvents(settings, app); };
}

}  // namespace kelvo
