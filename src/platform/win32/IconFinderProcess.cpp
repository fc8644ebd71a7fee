#include "platform/win32/IconFinderProcess.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "menus/EntryIcons.h"
#include "platform/Image.h"
#include "platform/win32/MenuBitmaps.h"
#include "platform/win32/OwnedHandle.h"
#include "platform/win32/ShortcutFiles.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ShellInfo.h"

namespace kelvo {
namespace {

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

// A pipe none of whose ends is inherited; the finder's ends are passed on
// to it alone when it starts.
bool MakePipe(OwnedHandle& readEnd, OwnedHandle& writeEnd) {
    return CreatePipe(readEnd.Out(), writeEnd.Out(), nullptr, 0);
}

// Whatever the finder starts, a shell extension's helper say, does not
// hold its answer open.
void KeepStandardHandlesHere() {
    SetHandleInformation(GetStdHandle(STD_INPUT_HANDLE), HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(GetStdHandle(STD_OUTPUT_HANDLE), HANDLE_FLAG_INHERIT, 0);
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

}  // namespace

// The finder's ends of the pipes are closed here once it has started, so
// that it holds the only copies: when it ends, at its deadline too, writing
// the request and reading the answer end with it.
std::optional<IconAnswer> AskIconFinder(const IconRequest& request, const std::wstring& program,
                                        const HelperJob& job, std::chrono::milliseconds deadline) {
    const std::string asked = EncodeIconRequest(request);
    OwnedHandle requestRead, toFinder, fromFinder, answerWrite;
    if (!MakePipe(requestRead, toFinder) || !MakePipe(fromFinder, answerWrite)) return std::nullopt;
    HelperProcess finder(program, kFindIconsSwitch, requestRead.Get(), answerWrite.Get(), job, deadline);
    requestRead.Close();
    answerWrite.Close();
    if (!finder.Running()) return std::nullopt;
    const bool sent = WriteAll(toFinder.Get(), asked);
    toFinder.Close();
    const std::string answer = sent ? ReadAll(fromFinder.Get()) : std::string();
    if (!sent) finder.End();
    if (finder.WaitForExit() != 0) return std::nullopt;
    return DecodeIconAnswer(answer);
}

int RunIconFinder() {
    // A shell extension that fails or a drive without a disk shows the user
    // nothing: the finder just gives no answer.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    KeepStandardHandlesHere();
    const std::optional<IconRequest> request = DecodeIconRequest(ReadAll(GetStdHandle(STD_INPUT_HANDLE)));
    if (!request) return 2;
    const ThreadApartment apartment;
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
