#pragma once
#include <set>
#include <string>

#include "platform/FileSystem.h"

namespace kelvo {

// A file system that holds exactly the paths it was given, with every root
// reachable but the ones listed as unreachable.
class FakeFileSystem : public FileSystem {
public:
    bool Exists(const std::string& path) override { return paths.count(path) > 0; }
    bool RootReachable(const std::string& root) override {
        ++rootQueries;
        return unreachableRoots.count(root) == 0;
    }
    void Add(const std::string& path) { paths.insert(path); }
    void Delete(const std::string& path) { paths.erase(path); }

    std::set<std::string> paths;
    std::set<std::string> unreachableRoots;
    int rootQueries = 0;
};

}  // namespace kelvo
