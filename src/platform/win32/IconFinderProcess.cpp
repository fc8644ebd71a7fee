#include "platform/win32/IconFinderProcess.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "menus/EntryIcons.h"
#include "platform/Image.h"
#include "platform/win32/MenuBitmaps.h"
#include "platform/win32/NoDiskPrompts.h"
#include "platform/win32/ShortcutFiles.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ShellInfo.h"

namespace kelvo {
namespace {

// Closes a handle when it goes.
class OwnedHandle {
public:
    OwnedHandle() = default;
    ~OwnedHandle() { Close(); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    HANDLE* Out() { return &handle_; }
    HANDLE Get() const { return handle_; }
    void Close() {
        if (handle_ != nullptr) CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_ = nullptr;
};

std::string ReadAll(HANDLE from) {
    std::string bytes;
    char buffer[64 * 1024];
    DWORD read = 0;
    while (ReadFile(from, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    return bytes;
}

bool WriteAll(HANDLE to, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        DWORD written = 0;
        if (!WriteFile(to, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

// A pipe whose ends the finder may inherit; KeepHere takes this process's
// end back.
bool MakePipe(OwnedHandle& readEnd, OwnedHandle& writeEnd) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    return CreatePipe(readEnd.Out(), writeEnd.Out(), &inherited, 0);
}

bool KeepHere(const OwnedHandle& end) {
    return SetHandleInformation(end.Get(), HANDLE_FLAG_INHERIT, 0);
}

bool StartFinder(const std::wstring& program, HANDLE input, HANDLE output, PROCESS_INFORMATION& started) {
    if (program.empty()) return false;
    std::wstring commandLine = L"\"" + program + L"\" " + std::wstring(kFindIconsSwitch);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = output;
    return CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                          CREATE_NO_WINDOW | BELOW_NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &started);
}

// The small icon of a type (TypeKey) in the system image list, known from
// a name and kind alone; kNoIcon when the shell has none.
int TypeIconIndex(const std::string& type) {
    const bool folder = type == TypeKey({}, true);
    const std::wstring name = folder ? L"folder" : L"file" + Widen(type);
    SHFILEINFOW info{};
    const DWORD attributes = folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    if (SHGetFileInfoW(name.c_str(), attributes, &info, sizeof info,
                       SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON) == 0) {
        return kNoIcon;
    }
    return info.iIcon;
}

// Each distinct icon, drawn at each side.
std::vector<IconPicture> DrawIcons(const std::set<int>& icons, const std::vector<int>& sides) {
    std::vector<IconPicture> pictures;
    for (int icon : icons) {
        if (icon < 0) continue;
        for (int side : sides) {
            if (auto pixels = ShellIconPixels(icon, side)) pictures.push_back(IconPicture{icon, side, std::move(*pixels)});
        }
    }
    return pictures;
}

// Starts the finder with a pipe to its standard input (`toFinder`) and one
// from its standard output (`fromFinder`). One finder at a time is started:
// another would inherit this one's ends while they are still inheritable,
// and this one's answer would not end before that other finder did.
bool StartWithPipes(const std::wstring& program, OwnedHandle& toFinder, OwnedHandle& fromFinder,
                    PROCESS_INFORMATION& started) {
    static std::mutex oneAtATime;
    const std::lock_guard lock(oneAtATime);
    OwnedHandle requestRead, answerWrite;
    if (!MakePipe(requestRead, toFinder) || !KeepHere(toFinder) || !MakePipe(fromFinder, answerWrite) ||
        !KeepHere(fromFinder)) {
        return false;
    }
    if (!StartFinder(program, requestRead.Get(), answerWrite.Get(), started)) return false;
    CloseHandle(started.hThread);
    return true;
}

}  // namespace

std::optional<IconAnswer> AskIconFinder(const IconRequest& request, const std::wstring& program) {
    OwnedHandle toFinder, fromFinder;
    PROCESS_INFORMATION started{};
    if (!StartWithPipes(program, toFinder, fromFinder, started)) return std::nullopt;
    const bool sent = WriteAll(toFinder.Get(), EncodeIconRequest(request));
    toFinder.Close();
    const std::string answer = sent ? ReadAll(fromFinder.Get()) : std::string();
    if (!sent) TerminateProcess(started.hProcess, 1);
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(started.hProcess, &exitCode);
    CloseHandle(started.hProcess);
    if (exitCode != 0) return std::nullopt;
    return DecodeIconAnswer(answer);
}

int RunIconFinder() {
    const std::optional<IconRequest> request = DecodeIconRequest(ReadAll(GetStdHandle(STD_INPUT_HANDLE)));
    if (!request) return 2;
    const ThreadApartment apartment;
    const NoDiskPrompts noPrompts;
    Win32FileSystem files;
    Win32ShellInfo shell;
    IconAnswer answer;
    answer.icons = FindEntryIcons(files, shell, request->paths);
    for (const std::string& type : request->types) answer.typeIcons.push_back(TypeIconIndex(type));
    std::set<int> icons(answer.icons.begin(), answer.icons.end());
    icons.insert(answer.typeIcons.begin(), answer.typeIcons.end());
    answer.pictures = DrawIcons(icons, request->sides);
    return WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), EncodeIconAnswer(answer)) ? 0 : 3;
}

}  // namespace kelvo
