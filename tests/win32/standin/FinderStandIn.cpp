// Stands in for the icon finder, a windows program as the finder is, in the
// tests of how it is started and ended. What it does is chosen by KELVO_STAND_IN:
//   hang-at-once   hangs before reading its request, as a finder stuck early
//   hang-after     reads its request, then hangs without answering
//   fail           reads its request and exits with an error
//   probe          resets the event whose handle value is KELVO_PROBE_HANDLE,
//                  which it can only do when that handle was passed on to it
#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <string>

namespace {

std::wstring Variable(const wchar_t* name) {
    wchar_t value[64] = L"";
    const DWORD length = GetEnvironmentVariableW(name, value, 64);
    return length > 0 && length < 64 ? value : L"";
}

void ReadRequest() {
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    }
}

// As a finder held in a shell extension that never returns.
[[noreturn]] void Hang() {
    for (;;) Sleep(INFINITE);
}

int Probe() {
    const auto value = static_cast<std::uintptr_t>(std::wcstoull(Variable(L"KELVO_PROBE_HANDLE").c_str(), nullptr, 10));
    return ResetEvent(reinterpret_cast<HANDLE>(value)) ? 0 : 4;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring mode = Variable(L"KELVO_STAND_IN");
    if (mode == L"hang-at-once") Hang();
    if (mode == L"probe") return Probe();
    ReadRequest();
    if (mode == L"hang-after") Hang();
    return 3;
}
