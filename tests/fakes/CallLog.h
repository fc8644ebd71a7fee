#pragma once
#include <string>
#include <vector>

namespace kelvo {

// Calls made on the fakes, in order, as "name.Call" texts; lets a test check
// the order in which the logic drives several parts.
using CallLog = std::vector<std::string>;

// Where a fake reports its calls; a fake without a log reports nothing.
struct LogTarget {
    CallLog* log = nullptr;
    std::string name;

    void Note(const std::string& call) const {
        if (log) log->push_back(name + "." + call);
    }
};

}  // namespace kelvo
