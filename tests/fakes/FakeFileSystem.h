#pragma once
#include <set>
#include <string>

#include "platform/FileSystem.h"

namespace kelvo {

// A file system that holds exactly the paths it was given.
class FakeFileSystem : public FileSystem {
public:
    bool Exists(const std::string& path) override { return paths.count(path) > 0; }
    void Add(const std::string& path) { paths.insert(path); }
    void Delete(const std::string& path) { paths.erase(path); }

    std::set<std::string> paths;
};

}  // namespace kelvo
