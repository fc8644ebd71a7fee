#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "platform/FolderReader.h"

namespace kelvo {

// Folders and shortcuts in memory, by full path. A folder it does not hold
// cannot be read, for the reason the system gives a path that is not there;
// a shortcut it does not hold is broken. Its order of names is Explorer's,
// for ASCII: numbers by value, letters without case.
class FakeFolderReader : public FolderReader {
public:
    ExplorerView View() override { return view; }
    TypeExtension ExtensionOf(const std::string& extension) override;
    FolderListing List(const std::string& folder) override;
    std::vector<ShortcutTarget> Resolve(const std::vector<std::string>& shortcuts,
                                        const std::set<std::string>& unreachableRoots) override;
    std::vector<std::size_t> ExplorerOrder(const std::vector<std::string>& names) override;

    void Hold(const std::string& folder, std::vector<FolderItem> items) {
        folders[folder] = FolderListing{ListingOutcome::Listed, std::move(items), {}};
    }

    ExplorerView view;
    std::map<std::string, TypeExtension> extensions;  // by extension, lower-case
    std::map<std::string, FolderListing> folders;
    std::map<std::string, ShortcutTarget> shortcuts;

    // What was asked, in order.
    std::vector<std::string> listed;
    std::vector<std::vector<std::string>> resolved;
    std::set<std::string> unreachableRootsGiven;
    int extensionQueries = 0;
};

// Keeps each request to follow paths; a test answers it as the tray's
// window would.
class FakeFollower : public BackgroundFollower {
public:
    struct Request {
        unsigned request = 0;
        std::vector<std::string> paths;
    };
    void FollowLater(unsigned request, std::vector<std::string> paths) override {
        logTarget.Note("FollowLater");
        requests.push_back(Request{request, std::move(paths)});
    }

    std::vector<Request> requests;
    LogTarget logTarget{nullptr, "follower"};
};

// A file and a folder as a listing holds them.
FolderItem ListedFile(std::string name, bool hidden = false, bool system = false);
FolderItem ListedFolder(std::string name, bool hidden = false, bool system = false);

}  // namespace kelvo
