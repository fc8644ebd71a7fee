#pragma once
#include <windows.h>

#include <string>

#include "platform/Shell.h"

namespace kelvo {

// Builds a new popup menu from `level` and its submenus; the caller destroys
// it with DestroyMenu.
HMENU RenderMenu(const MenuLevel& level);

// A menu caption shown exactly as given: every '&' doubled, so none of them
// marks a mnemonic.
std::wstring LiteralCaption(const std::string& text);

// Shows popup menus at the pointer on behalf of `owner`. The system menu is
// built once per preparation and kept for every showing.
class Win32Popup final : public PopupPresenter {
public:
    explicit Win32Popup(HWND owner);
    ~Win32Popup() override;
    Win32Popup(const Win32Popup&) = delete;
    Win32Popup& operator=(const Win32Popup&) = delete;

    void Prepare(const MenuLevel& menu) override;
    int Track() override;

private:
    HWND owner_;
    HMENU menu_ = nullptr;
};

}  // namespace kelvo
