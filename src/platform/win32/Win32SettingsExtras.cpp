#include "platform/win32/Win32SettingsExtras.h"

#include "platform/win32/Utf8.h"
#include "settings/Layout.h"

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

void Win32DropTarget::AcceptDrops() {
    DragAcceptFiles(window_, TRUE);
}

std::vector<std::string> TakeDroppedPaths(HDROP drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> paths;
    paths.reserve(count);
    for (UINT index = 0; index < count; ++index) {
        // Asked for its length first, so no path is cut short.
        std::wstring path(DragQueryFileW(drop, index, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, index, path.data(), static_cast<UINT>(path.size())));
        paths.push_back(Narrow(path));
    }
    DragFinish(drop);
    return paths;
}

void Win32MessageBoxes::Inform(const std::string& text) {
    MessageBoxW(owner_(), Widen(text).c_str(), Widen(layout::Desktop().caption).c_str(), MB_OK);
}

}  // namespace kelvo
