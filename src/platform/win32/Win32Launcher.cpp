#include "platform/win32/Win32Launcher.h"

#include <shellapi.h>

#include "platform/win32/LateLibraries.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32ShellInfo.h"

namespace kelvo {

namespace {
// The shell's own result names a type without an application; Wine's last
// error for it speaks of a bad program file instead.
DWORD OpenError(const SHELLEXECUTEINFOW& open) {
    if (reinterpret_cast<INT_PTR>(open.hInstApp) == SE_ERR_NOASSOC) return ERROR_NO_ASSOCIATION;
    return GetLastError();
}

}  // namespace

Win32Launcher::Win32Launcher(HWND owner) : owner_(owner) {}

std::optional<std::string> Win32Launcher::OpenFile(const std::string& path) {
    // The shell finds no file by a path of MAX_PATH characters or more, with
    // or without the "\\?\" prefix; such a path goes by its short (8.3) form.
    const std::wstring shellPath = ShellPathForm(path);
    SHELLEXECUTEINFOW open{};
    open.cbSize = sizeof open;
    // The program tells a failure itself, naming the file as the user knows it.
    open.fMask = SEE_MASK_FLAG_NO_UI;
    open.hwnd = owner_;
    open.lpFile = shellPath.c_str();
    open.nShow = SW_SHOWNORMAL;
    // The open verb may hand the file to a COM handler.
    EnterComApartment();
    if (ShellExecuteExW(&open)) return std::nullopt;
    return SystemErrorText(OpenError(open), path);
}

std::wstring ExplorerPath() {
    std::wstring folder(GetWindowsDirectoryW(nullptr, 0), L'\0');
    folder.resize(GetWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size())));
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder + L"explorer.exe";
}

std::optional<std::string> Win32Launcher::StartExplorer() {
    const std::wstring program = ExplorerPath();
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return SystemErrorText(GetLastError(), Narrow(program));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return std::nullopt;
}

}  // namespace kelvo
