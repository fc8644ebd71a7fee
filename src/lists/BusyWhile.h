#pragma once

#include "platform/Controls.h"

namespace kelvo {

// The arrow with the hourglass over the settings window for as long as it
// lives, even when a long fill throws.
class BusyWhile {
public:
    explicit BusyWhile(BusyPointer& pointer) : pointer_(pointer) { pointer_.SetBusy(true); }
    ~BusyWhile() { pointer_.SetBusy(false); }
    BusyWhile(const BusyWhile&) = delete;
    BusyWhile& operator=(const BusyWhile&) = delete;

private:
    BusyPointer& pointer_;
};

}  // namespace kelvo
