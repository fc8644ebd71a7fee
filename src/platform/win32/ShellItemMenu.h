#pragma once
#include <windows.h>
// The shell's verbs take their flags from those of ShellExecuteEx.
#include <shellapi.h>
#include <shlobj.h>

#include <memory>
#include <optional>
#include <string>

namespace kelvo {

// A COM interface pointer, released when it goes.
template <class Interface>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (pointer_ != nullptr) pointer_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    // Where a call that hands out an interface puts it.
    void** Out() { return reinterpret_cast<void**>(&pointer_); }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

private:
    Interface* pointer_ = nullptr;
};

// The ids that the shell's verbs take in the menu made for them.
inline constexpr UINT kFirstVerbId = 1;
inline constexpr UINT kLastVerbId = 0x7FFF;

// The menu that the Explorer shows for one file or folder: the shell's
// verbs filled into a system menu of their own. COM must be entered.
class ShellItemMenu {
public:
    struct Made;
    // The menu of `path`, its extended verbs too when `extended` (the Shift
    // key was held), for the window `owner`.
    static Made Make(const std::string& path, HWND owner, bool extended);
    ~ShellItemMenu();
    ShellItemMenu(const ShellItemMenu&) = delete;
    ShellItemMenu& operator=(const ShellItemMenu&) = delete;

    HMENU Menu() const { return menu_; }
    // The id of the verb whose language-independent name is `canonical`
    // ("open", "properties"); nothing when the menu has none.
    std::optional<UINT> VerbId(const std::wstring& canonical) const;
    // Runs the verb with `id` as chosen at `at`; the system's reason when
    // it failed, nothing when it ran or the user cancelled it.
    std::optional<std::string> Run(UINT id, POINT at) const;
    // Hands a message of the menu loop to the handlers that fill and draw
    // submenus such as "Open with" and "Send to" as they open; true when
    // one took it, with `result`.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const;

private:
    ShellItemMenu(std::string path, HWND owner);

    std::string path_;
    HWND owner_;
    HMENU menu_;
    ComRef<IContextMenu> verbs_;
    ComRef<IContextMenu2> drawnVerbs_;
    ComRef<IContextMenu3> drawnVerbsWithKeys_;
};

// A menu made, or the system's reason why none was.
struct ShellItemMenu::Made {
    std::unique_ptr<ShellItemMenu> menu;
    std::string reason;
};

}  // namespace kelvo
