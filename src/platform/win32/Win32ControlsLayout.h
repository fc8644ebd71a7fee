#pragma once
#include <windows.h>

#include <string_view>
#include <utility>
#include <vector>

#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32ControlsLook.h"
#include "settings/Layout.h"

namespace kelvo {

// The child windows of one form, built from its layout table. Keyboard
// order follows the Tab order column, except that the tab control lies
// beneath the controls of its pages so it never paints over them, and a
// button overlapping a list lies just above that list. Picture boxes are
// not built: they lie outside the client area.
class LaidOutControls {
public:
    // What shows a form's labels and pictures: the system's static
    // controls, or the program's drawn ones (DrawnStaticClass).
    enum class Statics { System, Drawn };

    LaidOutControls(HWND form, const layout::Form& layout, int dpi, Statics statics = Statics::System);
    ~LaidOutControls();
    LaidOutControls(const LaidOutControls&) = delete;
    LaidOutControls& operator=(const LaidOutControls&) = delete;

    // The named control's window, or nullptr when it is not built.
    HWND Get(std::string_view name) const;
    // The layout entry of the control with this command id, or nullptr.
    const layout::Control* ById(int id) const;
    // The client-level controls that belong to a tab page, with their page.
    Win32TabControl::PageControls PageControls() const;
    // Moves, sizes and re-fonts every control for `dpi`.
    void Place(int dpi);

private:
    void Build(const layout::Control& control, int index, Statics statics);
    void RaiseButtonsOverLists();
    HWND ParentOf(const layout::Control& control) const;
    POINT OriginOf(const layout::Control& control) const;
    HFONT FontFor(const layout::Font& font, int dpi);
    void ReleaseFonts();
    void ReleaseIcons();

    HWND form_;
    const layout::Form& layout_;
    std::vector<HWND> windows_;  // in layout order; nullptr when not built
    LookTable looks_;
    std::vector<std::pair<layout::Font, HFONT>> fonts_;
    std::vector<HICON> icons_;
};

// Program icon (or another icon resource) at `side` pixels; the caller owns
// it. Falls back to the system's application icon when the running module
// has no such resource.
HICON LoadIconResource(int resourceId, int side);

}  // namespace kelvo
