#pragma once
#include <map>
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "platform/Image.h"
#include "platform/RowIcons.h"

namespace kelvo {

// Keeps each request to find icons; a test answers it as the tray's window
// would. A type's icon is looked up by the name's extension (".txt"), or
// "folder" for a folder; kNoIcon for one it does not hold.
class FakeIconFinder : public IconFinder {
public:
    struct Request {
        unsigned request = 0;
        std::vector<std::string> paths;
    };
    void FindLater(unsigned request, std::vector<std::string> paths) override {
        logTarget.Note("FindLater");
        requests.push_back(Request{request, std::move(paths)});
    }
    int TypeIcon(const std::string& path, bool isFolder) override {
        const std::size_t dot = path.find_last_of('.');
        const std::string type = isFolder ? "folder" : dot == std::string::npos ? "" : path.substr(dot);
        const auto found = typeIcons.find(type);
        return found == typeIcons.end() ? kNoIcon : found->second;
    }

    std::vector<Request> requests;
    std::map<std::string, int> typeIcons;
    LogTarget logTarget{nullptr, "icons"};
};

}  // namespace kelvo
