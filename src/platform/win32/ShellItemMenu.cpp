#include "platform/win32/ShellItemMenu.h"

#include <array>

#include "platform/win32/SystemError.h"
#include "platform/win32/Win32ShellInfo.h"

namespace kelvo {
namespace {

// The shell's results carry a system error code in most of their failures.
std::string ResultText(HRESULT result, const std::string& path) {
    const DWORD code = HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result) : static_cast<DWORD>(result);
    return SystemErrorText(code, path);
}

struct ItemFree {
    void operator()(ITEMIDLIST* item) const { ILFree(item); }
};

}  // namespace

ShellItemMenu::ShellItemMenu(std::string path, HWND owner)
    : path_(std::move(path)), owner_(owner), menu_(CreatePopupMenu()) {}

ShellItemMenu::~ShellItemMenu() {
    DestroyMenu(menu_);
}

ShellItemMenu::Made ShellItemMenu::Make(const std::string& path, HWND owner, bool extended) {
    PIDLIST_ABSOLUTE parsed = nullptr;
    HRESULT result = SHParseDisplayName(ShellPathForm(path).c_str(), nullptr, &parsed, 0, nullptr);
    if (FAILED(result)) return Made{nullptr, ResultText(result, path)};
    const std::unique_ptr<ITEMIDLIST, ItemFree> item(parsed);
    ComRef<IShellFolder> folder;
    PCUITEMID_CHILD child = nullptr;
    result = SHBindToParent(item.get(), IID_IShellFolder, folder.Out(), &child);
    std::unique_ptr<ShellItemMenu> made(new ShellItemMenu(path, owner));
    if (SUCCEEDED(result)) result = folder->GetUIObjectOf(owner, 1, &child, IID_IContextMenu, nullptr, made->verbs_.Out());
    if (SUCCEEDED(result)) {
        const UINT flags = CMF_NORMAL | (extended ? CMF_EXTENDEDVERBS : 0);
        result = made->verbs_->QueryContextMenu(made->menu_, 0, kFirstVerbId, kLastVerbId, flags);
    }
    if (FAILED(result)) return Made{nullptr, ResultText(result, path)};
    made->verbs_->QueryInterface(IID_IContextMenu3, made->drawnVerbsWithKeys_.Out());
    made->verbs_->QueryInterface(IID_IContextMenu2, made->drawnVerbs_.Out());
    return Made{std::move(made), {}};
}

std::optional<UINT> ShellItemMenu::VerbId(const std::wstring& canonical) const {
    for (int pos = 0; pos < GetMenuItemCount(menu_); ++pos) {
        const UINT id = GetMenuItemID(menu_, pos);
        if (id < kFirstVerbId || id > kLastVerbId) continue;
        std::array<wchar_t, 128> name{};
        const HRESULT result = verbs_->GetCommandString(id - kFirstVerbId, GCS_VERBW, nullptr,
                                                        reinterpret_cast<char*>(name.data()), name.size());
        if (SUCCEEDED(result) && lstrcmpiW(name.data(), canonical.c_str()) == 0) return id;
    }
    return std::nullopt;
}

std::optional<std::string> ShellItemMenu::Run(UINT id, POINT at) const {
    CMINVOKECOMMANDINFOEX info{};
    info.cbSize = sizeof info;
    info.fMask = CMIC_MASK_UNICODE | CMIC_MASK_PTINVOKE;
    if (GetKeyState(VK_SHIFT) < 0) info.fMask |= CMIC_MASK_SHIFT_DOWN;
    if (GetKeyState(VK_CONTROL) < 0) info.fMask |= CMIC_MASK_CONTROL_DOWN;
    info.hwnd = owner_;
    info.lpVerb = MAKEINTRESOURCEA(id - kFirstVerbId);
    info.lpVerbW = MAKEINTRESOURCEW(id - kFirstVerbId);
    info.nShow = SW_SHOWNORMAL;
    info.ptInvoke = at;
    const HRESULT result = verbs_->InvokeCommand(reinterpret_cast<CMINVOKECOMMANDINFO*>(&info));
    // A verb the user cancelled (a dialog of its own closed) failed nothing.
    if (SUCCEEDED(result) || result == HRESULT_FROM_WIN32(ERROR_CANCELLED) || result == E_ABORT) return std::nullopt;
    return ResultText(result, path_);
}

bool ShellItemMenu::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const {
    if (drawnVerbsWithKeys_) return SUCCEEDED(drawnVerbsWithKeys_->HandleMenuMsg2(message, wParam, lParam, &result));
    if (!drawnVerbs_ || message == WM_MENUCHAR) return false;
    result = 0;
    return SUCCEEDED(drawnVerbs_->HandleMenuMsg(message, wParam, lParam));
}

}  // namespace kelvo
