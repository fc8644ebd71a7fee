#include "platform/win32/LateLibraries.h"

#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>

#include <stdexcept>
#include <string>

#include "platform/win32/SystemLibraries.h"
#include "platform/win32/Utf8.h"

namespace kelvo {
namespace {

bool comEntered = false;
bool oleEntered = false;

bool RegisterCommonControlClasses() {
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_HOTKEY_CLASS};
    return LateCall<decltype(&InitCommonControlsEx)>(L"comctl32.dll", "InitCommonControlsEx")(&classes) != FALSE;
}

}  // namespace

void* LateCall(const wchar_t* library, const char* name) {
    HMODULE module = SystemLibrary(library);
    if (module == nullptr) throw std::runtime_error("cannot load " + Narrow(library));
    void* call = reinterpret_cast<void*>(GetProcAddress(module, name));
    if (call == nullptr) throw std::runtime_error(std::string("the system has no ") + name);
    return call;
}

void LoadCommonControls() {
    static const bool registered = RegisterCommonControlClasses();
    if (!registered) throw std::runtime_error("the common controls cannot be registered");
}

void EnterComApartment() {
    if (comEntered) return;
    const auto initialize = LateCall<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    comEntered = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

void EnterOleApartment() {
    EnterComApartment();
    if (oleEntered) return;
    oleEntered = SUCCEEDED(LateCall<decltype(&OleInitialize)>(L"ole32.dll", "OleInitialize")(nullptr));
}

void LeaveComApartment() {
    if (oleEntered) LateCall<decltype(&OleUninitialize)>(L"ole32.dll", "OleUninitialize")();
    oleEntered = false;
    if (!comEntered) return;
    LateCall<decltype(&CoUninitialize)>(L"ole32.dll", "CoUninitialize")();
    comEntered = false;
}

}  // namespace kelvo
