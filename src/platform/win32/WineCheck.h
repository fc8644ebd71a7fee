#pragma once
#include <optional>

namespace kelvo {

// True when the program runs under Wine, whose menu manager differs from
// Windows' in ways the program works around.
bool RunsUnderWine();

// While it lives, RunsUnderWine answers `wine`: a test takes the branch of
// either system on the system it runs on.
class WineAnswerOverride {
public:
    explicit WineAnswerOverride(bool wine);
    ~WineAnswerOverride();
    WineAnswerOverride(const WineAnswerOverride&) = delete;
    WineAnswerOverride& operator=(const WineAnswerOverride&) = delete;

private:
    std::optional<bool> previous_;
};

}  // namespace kelvo
