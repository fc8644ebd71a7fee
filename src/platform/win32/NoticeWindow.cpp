#include <stdexcept>

#include "platform/win32/SettingsWindow.h"
#include "platform/win32/Twips.h"
#include "platform/win32/Win32ControlsForm.h"
#include "platform/win32/Win32ControlsLayout.h"
#include "platform/win32/Win32ControlsLook.h"
#include "platform/win32/Win32WindowClass.h"

namespace kelvo {
namespace {

constexpr wchar_t kClassName[] = L"KelvoTopNotice";
// No border and no title bar, so the notice cannot be dragged; kept above
// other windows and out of the taskbar; a click on it leaves the focus where
// it was.
constexpr DWORD kStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;

const layout::Form& LayoutOf(NoticeKind kind) {
    return kind == NoticeKind::Wait ? layout::Wait() : layout::Logo();
}

struct NoticeHost {
    NoticeHost(HINSTANCE instance, NoticeKind kind) {
        RegisterFormClass(instance, kClassName, HostedWindowProc<NoticeHost>);
        window = CreateWindowExW(kExStyle, kClassName, L"", kStyle, 0, 0, 0, 0, nullptr, nullptr,
                                 instance, this);
        if (window == nullptr) throw std::runtime_error("cannot create a notice window");
        const layout::Form& form = LayoutOf(kind);
        controls = std::make_unique<LaidOutControls>(window, form, WindowDpi(window), LaidOutControls::Statics::Drawn);
        frame = std::make_unique<FormWindow>(window, form.clientWidth, form.clientHeight, FormRole::Notice);
    }
    ~NoticeHost() {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
    NoticeHost(const NoticeHost&) = delete;
    NoticeHost& operator=(const NoticeHost&) = delete;

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_CTLCOLORSTATIC: return ColourControl(window, message, wParam, lParam);
            case WM_DPICHANGED:
                if (frame != nullptr) frame->Resize(HIWORD(wParam));
                if (controls != nullptr) controls->Place(HIWORD(wParam));
                return 0;
            default: return DefWindowProcW(window, message, wParam, lParam);
        }
    }

    HWND window = nullptr;
    std::unique_ptr<LaidOutControls> controls;
    std::unique_ptr<FormWindow> frame;
};

}  // namespace

struct NoticeWindow::Impl final : NoticeHost {
    using NoticeHost::NoticeHost;
};

NoticeWindow::NoticeWindow(HINSTANCE instance, NoticeKind kind)
    : impl_(std::make_unique<Impl>(instance, kind)) {}

NoticeWindow::~NoticeWindow() = default;

HWND NoticeWindow::Handle() const { return impl_->window; }

Window& NoticeWindow::AsWindow() { return *impl_->frame; }

}  // namespace kelvo
