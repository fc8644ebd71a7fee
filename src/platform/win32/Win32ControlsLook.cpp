#include "platform/win32/Win32ControlsLook.h"

#include "platform/win32/Twips.h"

namespace kelvo {
namespace {

constexpr wchar_t kLookProperty[] = L"KelvoLook";

UINT TextAlign(layout::Align align) {
    switch (align) {
        case layout::Align::Centre: return DT_CENTER;
        case layout::Align::Right: return DT_RIGHT;
        case layout::Align::Left: break;
    }
    return DT_LEFT;
}

}  // namespace

const ControlLook* LookOf(HWND control) {
    return static_cast<const ControlLook*>(GetPropW(control, kLookProperty));
}

LRESULT ColourControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    const ControlLook* look = LookOf(reinterpret_cast<HWND>(lParam));
    if (look == nullptr) return DefWindowProcW(parent, message, wParam, lParam);
    auto dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, look->text);
    SetBkColor(dc, look->back);
    return reinterpret_cast<LRESULT>(look->brush);
}

LookTable::~LookTable() {
    for (const auto& [colour, brush] : brushes_) DeleteObject(brush);
}

void LookTable::Attach(HWND control, const layout::Control& layout) {
    ControlLook& look = looks_.emplace_back();
    look.text = ColourRef(layout.fore);
    look.back = ColourRef(layout.back);
    look.brush = BrushFor(layout.back);
    look.textAlign = TextAlign(layout.align);
    SetPropW(control, kLookProperty, &look);
}

HBRUSH LookTable::BrushFor(const layout::Colour& colour) {
    if (colour.IsSystem()) return GetSysColorBrush(colour.systemIndex);
    const COLORREF ref = ColourRef(colour);
    auto [at, added] = brushes_.try_emplace(ref, nullptr);
    if (added) at->second = CreateSolidBrush(ref);
    return at->second;
}

}  // namespace kelvo
