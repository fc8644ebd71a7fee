#include "platform/win32/Win32SettingsExtras.h"

#include "platform/win32/Utf8.h"

namespace kelvo {

void Win32BusyPointer::SetBusy(bool busy) {
    busy_ = busy;
    // Shown at once, not only at the next mouse move.
    SetCursor(LoadCursorW(nullptr, busy ? IDC_APPSTARTING : IDC_ARROW));
}

bool Win32BusyPointer::OnSetCursor() const {
    if (busy_) SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
    return busy_;
}

void Win32TextBox::SetText(const std::string& text) {
    SetWindowTextW(edit_, Widen(text).c_str());
}

std::string Win32TextBox::Text() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit_, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

}  // namespace kelvo
