#pragma once
#include <set>
#include <string>

#include "platform/FolderReader.h"

namespace kelvo {

// The calling thread is in a single-threaded COM apartment of its own for
// as long as this lives, as reading a shortcut needs. COM is loaded late.
class ThreadApartment {
public:
    ThreadApartment();
    ~ThreadApartment();
    ThreadApartment(const ThreadApartment&) = delete;
    ThreadApartment& operator=(const ThreadApartment&) = delete;

private:
    bool entered_ = false;
};

// Where the shortcut file `shortcut` leads, as FolderReader::Resolve tells
// it, taking as long as the file and its target take. The shortcut is read,
// never resolved: no window, no search, no link tracking. Call it inside a
// ThreadApartment.
ShortcutTarget ResolveShortcutNow(const std::string& shortcut, const std::set<std::string>& unreachableRoots);

// Where `path` leads, as FolderReader::Follow tells it, taking as long as
// the file takes. A drive or share that does not answer joins
// `unreachableRoots`, and a path on one of those is not looked at.
ShortcutTarget FollowPathNow(const std::string& path, std::set<std::string>& unreachableRoots);

}  // namespace kelvo
