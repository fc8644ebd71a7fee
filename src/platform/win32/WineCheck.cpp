#include "platform/win32/WineCheck.h"

#include "platform/win32/SystemLibraries.h"

namespace kelvo {
namespace {

std::optional<bool> overridden;

// Wine's ntdll adds a call for programs to tell it by.
bool WineDetected() {
    static const bool wine = LoadedSystemCall(L"ntdll.dll", "wine_get_version") != nullptr;
    return wine;
}

}  // namespace

bool RunsUnderWine() {
    return overridden.value_or(WineDetected());
}

WineAnswerOverride::WineAnswerOverride(bool wine) : previous_(overridden) {
    overridden = wine;
}

WineAnswerOverride::~WineAnswerOverride() {
    overridden = previous_;
}

}  // namespace kelvo
