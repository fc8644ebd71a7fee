#include "menus/AskedIcons.h"

#include <utility>

namespace kelvo {

std::vector<std::string> AskedIcons::NewRequest(unsigned request, const std::vector<std::string>& paths) {
    newest_ = request;
    for (const std::string& type : failed_) asked_.erase(type);
    failed_.clear();
    std::vector<std::string> types{TypeKey({}, true)};
    for (const std::string& path : paths) types.push_back(TypeKey(path, false));
    return MarkAsked(std::move(types));
}

bool AskedIcons::Want(const std::string& type) {
    if (found_.TypeIcon(type) || !asked_.insert(type).second) return false;
    wanted_.push_back(type);
    return wanted_.size() == 1;
}

std::vector<std::string> AskedIcons::TakeWanted() {
    return std::exchange(wanted_, {});
}

std::optional<std::vector<int>> AskedIcons::KeepEntries(unsigned request, const std::vector<std::string>& types,
                                                        std::optional<IconAnswer> answer) {
    if (request != newest_) {
        // Its types were left out of the newer request: a folder may ask again.
        Forget(types);
        return std::nullopt;
    }
    if (!answer) {
        failed_.insert(types.begin(), types.end());
        return std::nullopt;
    }
    return found_.Take(std::move(*answer), types);
}

void AskedIcons::KeepTypes(const std::vector<std::string>& types, std::optional<IconAnswer> answer) {
    if (!answer) {
        failed_.insert(types.begin(), types.end());
        return;
    }
    found_.Take(std::move(*answer), types);
}

std::vector<std::string> AskedIcons::MarkAsked(std::vector<std::string> types) {
    std::vector<std::string> added;
    for (std::string& type : types) {
        if (!found_.TypeIcon(type) && asked_.insert(type).second) added.push_back(std::move(type));
    }
    return added;
}

void AskedIcons::Forget(const std::vector<std::string>& types) {
    for (const std::string& type : types) asked_.erase(type);
}

}  // namespace kelvo
