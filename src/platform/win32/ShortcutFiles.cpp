#include "platform/win32/ShortcutFiles.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <memory>
#include <optional>
#include <vector>

#include "lists/ReachableRoots.h"
#include "platform/win32/LateLibraries.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileSystem.h"
#include "text/TextUtils.h"

namespace kelvo {
namespace {

struct Releaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using ComPointer = std::unique_ptr<Interface, Releaser>;

// What a shortcut file records of its target.
struct LinkRecord {
    std::string target;  // empty when it leads to no file, such as a printer
    bool targetWasFolder = false;
};

ComPointer<IShellLinkW> NewShellLink() {
    const auto create = LateCall<decltype(&CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
    IShellLinkW* link = nullptr;
    if (FAILED(create(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                      reinterpret_cast<void**>(&link))))
        return nullptr;
    return ComPointer<IShellLinkW>(link);
}

// Nullopt when `shortcut` is no shortcut file that can be read.
std::optional<LinkRecord> ReadLink(const std::string& shortcut) {
    const ComPointer<IShellLinkW> link = NewShellLink();
    if (link == nullptr) return std::nullopt;
    IPersistFile* opened = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&opened)))) return std::nullopt;
    const ComPointer<IPersistFile> file(opened);
    if (FAILED(file->Load(LongPathForm(shortcut).c_str(), STGM_READ))) return std::nullopt;
    // The record kept in the file; GetPath looks at nothing else.
    std::vector<wchar_t> target(32768);
    WIN32_FIND_DATAW recorded{};
    if (FAILED(link->GetPath(target.data(), static_cast<int>(target.size()), &recorded, 0))) return std::nullopt;
    return LinkRecord{Narrow(target.data()), (recorded.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
}

bool IsRoot(const std::string& path) {
    const std::string root = PathRoot(path);
    return !root.empty() && (path == root || path + '\\' == root);
}

ShortcutTarget AsRecorded(const LinkRecord& record) {
    return ShortcutTarget{record.targetWasFolder ? ShortcutLeadsTo::Folder : ShortcutLeadsTo::File, record.target};
}

// The target as it is now. Only a drive or share that answers can say that
// it is gone; where the system cannot look, the record decides.
ShortcutTarget LookAtTarget(const LinkRecord& record) {
    const DWORD attributes = GetFileAttributesW(LongPathForm(record.target).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        return ShortcutTarget{folder ? ShortcutLeadsTo::Folder : ShortcutLeadsTo::File, record.target};
    }
    const PathLookup failure = LookupFailure(GetLastError());
    const bool gone = failure == PathLookup::FileNotFound || failure == PathLookup::PathNotFound;
    if (gone && Win32FileSystem().RootReachable(PathRoot(record.target)))
        return ShortcutTarget{ShortcutLeadsTo::Broken, record.target};
    return AsRecorded(record);
}

}  // namespace

ThreadApartment::ThreadApartment() {
    const auto initialize = LateCall<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    entered_ = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

ThreadApartment::~ThreadApartment() {
    if (entered_) LateCall<decltype(&CoUninitialize)>(L"ole32.dll", "CoUninitialize")();
}

ShortcutTarget ResolveShortcutNow(const std::string& shortcut, const std::set<std::string>& unreachableRoots) {
    const std::optional<LinkRecord> record = ReadLink(shortcut);
    if (!record) return ShortcutTarget{ShortcutLeadsTo::Broken, {}};
    if (record->target.empty()) return ShortcutTarget{ShortcutLeadsTo::File, {}};
    if (IsRoot(record->target)) return ShortcutTarget{ShortcutLeadsTo::Drive, record->target};
    if (unreachableRoots.contains(AsciiLowerCase(PathRoot(record->target)))) return AsRecorded(*record);
    return LookAtTarget(*record);
}

ShortcutTarget FollowPathNow(const std::string& path, std::set<std::string>& unreachableRoots) {
    const std::string root = AsciiLowerCase(PathRoot(path));
    if (unreachableRoots.contains(root)) return ShortcutTarget{ShortcutLeadsTo::NotResponding, {}};
    const DWORD attributes = GetFileAttributesW(LongPathForm(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const PathLookup failure = LookupFailure(GetLastError());
        if (!root.empty() && (failure == PathLookup::NotReady || failure == PathLookup::NetworkError))
            unreachableRoots.insert(root);
        return ShortcutTarget{ShortcutLeadsTo::Broken, path};
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return ShortcutTarget{ShortcutLeadsTo::File, path};
    return ShortcutTarget{IsRoot(path) ? ShortcutLeadsTo::Drive : ShortcutLeadsTo::Folder, path};
}

}  // namespace kelvo
