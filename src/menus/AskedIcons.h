#pragma once
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "menus/FoundPictures.h"
#include "menus/IconTransfer.h"

namespace kelvo {

// What the icon finder has been asked, so that a type is asked for once,
// a finder that failed is not started again for the same types while the
// lists stay as they are, and an answer to lists since rebuilt is dropped
// before it replaces the pictures of newer ones.
class AskedIcons {
public:
    explicit AskedIcons(FoundPictures& found) : found_(found) {}

    // A request for the entries' icons of lists just built: answers to
    // earlier requests are no longer wanted, and types whose finder failed
    // may be asked for again. Returns the types to ask with it: the folder's
    // and those of `paths` not found or asked yet.
    std::vector<std::string> NewRequest(unsigned request, const std::vector<std::string>& paths);
    // Marks a type met in a folder as wanted, unless it was asked for
    // already. True when it starts a batch: the caller asks for the batch
    // once it is done.
    bool Want(const std::string& type);
    // The types wanted since the last batch was taken.
    std::vector<std::string> TakeWanted();
    // Keeps the pictures of the answer to the entries' request `request`,
    // which asked for `types`, and returns the entries' icons renumbered;
    // nothing, and nothing kept, when a newer request was made since or the
    // finder gave no answer.
    std::optional<std::vector<int>> KeepEntries(unsigned request, const std::vector<std::string>& types,
                                                std::optional<IconAnswer> answer);
    // Keeps the pictures of an answer for `types` alone.
    void KeepTypes(const std::vector<std::string>& types, std::optional<IconAnswer> answer);

private:
    std::vector<std::string> MarkAsked(std::vector<std::string> types);
    void Forget(const std::vector<std::string>& types);

    FoundPictures& found_;
    std::set<std::string> asked_;
    std::set<std::string> failed_;
    std::vector<std::string> wanted_;
    std::optional<unsigned> newest_;
};

}  // namespace kelvo
