#pragma once
#include <map>
#include <set>
#include <string>

#include "platform/FileSystem.h"

namespace kelvo {

// A file system that holds exactly the paths it was given, with every root
// reachable but the ones listed as unreachable. A path listed in `failures`
// answers with its failure whether it is held or not.
class FakeFileSystem : public FileSystem {
public:
    PathLookup Look(const std::string& path) override {
        if (auto failure = failures.find(path); failure != failures.end()) return failure->second;
        return paths.count(path) > 0 ? PathLookup::Found : PathLookup::FileNotFound;
    }
    bool RootReachable(const std::string& root) override {
        ++rootQueries;
        return unreachableRoots.count(root) == 0;
    }
    void Add(const std::string& path) { paths.insert(path); }
    void Delete(const std::string& path) { paths.erase(path); }

    std::set<std::string> paths;
    std::set<std::string> unreachableRoots;
    std::map<std::string, PathLookup> failures;
    int rootQueries = 0;
};

}  // namespace kelvo
