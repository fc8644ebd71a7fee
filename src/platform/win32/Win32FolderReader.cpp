#include "platform/win32/Win32FolderReader.h"

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>
#include <numeric>
#include <utility>

#include "lists/ReachableRoots.h"
#include "platform/win32/Deadline.h"
#include "platform/win32/ExplorerSettings.h"
#include "platform/win32/LateLibraries.h"
#include "platform/win32/ShortcutFiles.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/NoDiskPrompts.h"
#include "platform/win32/Win32FileSystem.h"
#include "text/TextUtils.h"

namespace kelvo {
namespace {

FolderListing Failed(ListingOutcome outcome, std::string reason = {}) {
    return FolderListing{outcome, {}, std::move(reason)};
}

// A folder whose drive or share is not there, or does not answer, is not
// available; any other refusal is told in the system's words.
FolderListing ListingFailure(const std::string& folder, DWORD error) {
    // Nothing matches "*": a drive's empty root.
    if (error == ERROR_FILE_NOT_FOUND) return FolderListing{};
    const PathLookup failure = LookupFailure(error);
    const bool away = failure == PathLookup::NotReady || failure == PathLookup::NetworkError ||
                      (failure == PathLookup::PathNotFound && !Win32FileSystem().RootReachable(PathRoot(folder)));
    if (away) return Failed(ListingOutcome::NotAvailable);
    return Failed(ListingOutcome::Unreadable, SystemErrorText(error, folder));
}

FolderItem ItemOf(const WIN32_FIND_DATAW& found) {
    const DWORD attributes = found.dwFileAttributes;
    return FolderItem{Narrow(found.cFileName), (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                      (attributes & FILE_ATTRIBUTE_HIDDEN) != 0, (attributes & FILE_ATTRIBUTE_SYSTEM) != 0};
}

bool IsSelfOrParent(const wchar_t* name) {
    return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0;
}

FolderListing ListNow(const std::string& folder) {
    const NoDiskPrompts noPrompts;
    const std::string pattern = folder.ends_with('\\') ? folder + '*' : folder + "\\*";
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileExW(LongPathForm(pattern).c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return ListingFailure(folder, GetLastError());
    FolderListing listing;
    do {
        if (!IsSelfOrParent(found.cFileName)) listing.items.push_back(ItemOf(found));
    } while (FindNextFileW(search, &found));
    const DWORD end = GetLastError();
    FindClose(search);
    // A share that went away halfway.
    if (end != ERROR_NO_MORE_FILES) return ListingFailure(folder, end);
    return listing;
}

// The targets found so far, shared with the worker that finds them.
struct Resolution {
    std::mutex guard;
    std::vector<ShortcutTarget> targets;
};

bool IsShortcutFile(const std::string& path) {
    return AsciiLowerCase(path).ends_with(".lnk");
}

// Finds the target of each path in turn with `find`, into `resolution`, in
// a COM apartment where shortcuts are among them.
template <class Find>
void FindEach(const std::vector<std::string>& paths, const Find& find, Resolution& resolution) {
    std::optional<ThreadApartment> apartment;
    if (std::any_of(paths.begin(), paths.end(), IsShortcutFile)) apartment.emplace();
    const NoDiskPrompts noPrompts;
    for (std::size_t at = 0; at < paths.size(); ++at) {
        ShortcutTarget target = find(paths[at]);
        const std::lock_guard lock(resolution.guard);
        resolution.targets[at] = std::move(target);
    }
}

// FindEach on a thread of its own; those not found within the deadline are
// left NotResponding.
template <class Find>
std::vector<ShortcutTarget> FindWithin(const std::vector<std::string>& paths, Find find) {
    const auto resolution = std::make_shared<Resolution>();
    resolution->targets.assign(paths.size(), ShortcutTarget{ShortcutLeadsTo::NotResponding, {}});
    // Not a look at the folder's root: what keeps a shortcut is its target,
    // which may lie anywhere.
    RunWithin(kReadDeadline, [resolution, paths, find] { FindEach(paths, find, *resolution); });
    const std::lock_guard lock(resolution->guard);
    return resolution->targets;
}

// Where a path leads; `unreachableRoots` gathers the roots found not
// answering, so later paths on them are not asked.
ShortcutTarget FollowOne(const std::string& path, std::set<std::string>& unreachableRoots) {
    if (IsShortcutFile(path)) return ResolveShortcutNow(path, unreachableRoots);
    return FollowPathNow(path, unreachableRoots);
}

}  // namespace

ExplorerView Win32FolderReader::View() {
    return ReadExplorerView();
}

TypeExtension Win32FolderReader::ExtensionOf(const std::string& extension) {
    return ReadTypeExtension(extension);
}

FolderListing Win32FolderReader::List(const std::string& folder) {
    const auto listing = std::make_shared<FolderListing>();
    if (looks_.Run(PathRoot(folder), [listing, folder] { *listing = ListNow(folder); }) != LookEnd::Done)
        return Failed(ListingOutcome::NotResponding);
    return std::move(*listing);
}

std::vector<ShortcutTarget> Win32FolderReader::Resolve(const std::vector<std::string>& shortcuts,
                                                       const std::set<std::string>& unreachableRoots) {
    return FindWithin(shortcuts, [unreachableRoots](const std::string& shortcut) {
        return ResolveShortcutNow(shortcut, unreachableRoots);
    });
}

std::vector<ShortcutTarget> FollowWithoutDeadline(const std::vector<std::string>& paths) {
    std::set<std::string> unreachableRoots;
    Resolution resolution;
    resolution.targets.resize(paths.size());
    FindEach(paths, [&unreachableRoots](const std::string& path) { return FollowOne(path, unreachableRoots); },
             resolution);
    return std::move(resolution.targets);
}

std::vector<std::size_t> Win32FolderReader::ExplorerOrder(const std::vector<std::string>& names) {
    const auto compare = LateCall<decltype(&StrCmpLogicalW)>(L"shlwapi.dll", "StrCmpLogicalW");
    std::vector<std::wstring> wide;
    wide.reserve(names.size());
    for (const std::string& name : names) wide.push_back(Widen(name));
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return compare(wide[a].c_str(), wide[b].c_str()) < 0; });
    return order;
}

}  // namespace kelvo
