#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/ShellMenus.h"
#include "platform/win32/ShellItemMenu.h"

namespace kelvo {

// Shows the Explorer's menu of a file over the popup of `owner`, as a menu
// nested in the popup's menu loop. COM and OLE are entered on first use.
class Win32ShellMenus final : public ShellMenus {
public:
    explicit Win32ShellMenus(HWND owner) : owner_(owner) {}

    ShellMenuOutcome ShowFor(const std::string& path) override;
    std::optional<std::string> RunChosen() override;
    void ShowNotice(const std::string& text) override;
    // While the shell's menu shows, the owner's menu messages are its own:
    // true when `message` was one of them, with `result`.
    bool OnOwnerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    // Shows `menu` at the pointer over the popup; the chosen id, or 0.
    UINT TrackNested(HMENU menu, POINT at);

    HWND owner_;
    // The menu on screen, then the one whose verb was chosen until it runs.
    std::unique_ptr<ShellItemMenu> menu_;
    bool showing_ = false;
    UINT chosen_ = 0;
    POINT chosenAt_{};
};

}  // namespace kelvo
