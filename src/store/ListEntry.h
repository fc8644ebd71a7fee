#pragma once
#include <string>

namespace kelvo {

// One entry of the desktop or custom list. The location ends in a backslash,
// so the full path is simply location followed by name; it is made when
// asked for, not kept, as thousands of entries would hold it twice.
struct ListEntry {
    std::string name;
    std::string location;
    std::string FullPath() const { return location + name; }
    bool operator==(const ListEntry&) const = default;
};

inline ListEntry MakeEntry(const std::string& name, const std::string& location) {
    return ListEntry{name, location};
}

}  // namespace kelvo
