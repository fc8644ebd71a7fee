#include "platform/win32/Win32Launcher.h"

#include <shellapi.h>

#include "platform/win32/Win32ShellInfo.h"

namespace kelvo {

Win32Launcher::Win32Launcher(HWND owner) : owner_(owner) {}

void Win32Launcher::OpenFile(const std::string& path) {
    // The shell finds no file by a path of MAX_PATH characters or more, with
    // or without the "\\?\" prefix; such a path goes by its short (8.3)
    // form. Failures are the shell's to report; the program carries on.
    ShellExecuteW(owner_, nullptr, ShellPathForm(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::wstring ExplorerPath() {
    std::wstring folder(GetWindowsDirectoryW(nullptr, 0), L'\0');
    folder.resize(GetWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size())));
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder + L"explorer.exe";
}

void Win32Launcher::StartExplorer() {
    const std::wstring program = ExplorerPath();
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace kelvo
