#pragma once
#include <windows.h>

#include "platform/Controls.h"

namespace kelvo {

// A notice is centred at every showing and never takes the focus from the
// window the user is working in; the settings window is shown as a window
// of its own, where the user left it.
enum class FormRole { Notice, Settings };

// The Window contract over a top-level window whose client area is given
// in twips; sizes follow the window's DPI.
class FormWindow final : public Window {
public:
    FormWindow(HWND window, int clientWidth, int clientHeight, FormRole role);

    void Show() override;
    void Hide() override;
    bool IsVisible() const override;
    void Centre() override;
    void WidenBy(int twips) override;

    // Sets the outer size for the current client size at `dpi`.
    void Resize(int dpi);

private:
    HWND window_;
    int clientWidth_;
    int clientHeight_;
    FormRole role_;
};

}  // namespace kelvo
