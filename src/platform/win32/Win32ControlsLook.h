#pragma once
#include <windows.h>

#include <deque>
#include <map>

#include "settings/Layout.h"

namespace kelvo {

// Text and background colours of one control, tied to its window.
struct ControlLook {
    COLORREF text = 0;
    COLORREF back = 0;
    HBRUSH brush = nullptr;
    UINT textAlign = DT_LEFT;  // DrawText alignment of a panel's caption
};

const ControlLook* LookOf(HWND control);
// Answers a WM_CTLCOLOR* message of `parent` with the child's look, or
// leaves it to DefWindowProc when the child has none.
LRESULT ColourControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

// The looks of one form's controls and the brushes they paint with.
class LookTable {
public:
    LookTable() = default;
    ~LookTable();
    LookTable(const LookTable&) = delete;
    LookTable& operator=(const LookTable&) = delete;

    // Ties a look made from the layout's colours to `control`.
    void Attach(HWND control, const layout::Control& layout);

private:
    HBRUSH BrushFor(const layout::Colour& colour);

    std::deque<ControlLook> looks_;
    std::map<COLORREF, HBRUSH> brushes_;
};

}  // namespace kelvo
