#include "CompareFixture.h"

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace kelvo::bench {

namespace {

constexpr wchar_t kAppKey[] = L"Software\\VB and VBA Program Settings\\KelvoDesktop";
constexpr wchar_t kScratchKey[] = L"Software\\KelvoBench";
constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr wchar_t kUserShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const wchar_t* const kSections[] = {L"Custom", L"Desktop"};

using Values = std::vector<std::wstring>;

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring Numbered(const std::wstring& prefix, int number) {
    return prefix + L"-" + std::to_wstring(number) + L".txt";
}

std::wstring ChoiceKey(int position) {
    return L"MenuChoice" + std::to_wstring(position);
}

// The list of `section` as it is stored: n entries of `folder`, then "Done".
Values ListOf(const std::wstring& section, const std::wstring& folder, int entries) {
    Values values;
    for (int i = 1; i <= entries; ++i) values.push_back(Numbered(section, i) + L"%" + folder + L"%1");
    values.push_back(L"Done");
    return values;
}

HKEY CreateKey(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    return key;
}

void Put(HKEY key, const std::wstring& name, const std::wstring& value, DWORD type = REG_SZ) {
    RegSetValueExW(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// Writes `values` as MenuChoice1... into `path`, and `count` after them when given.
void WriteList(const std::wstring& path, const Values& values, const wchar_t* count = nullptr) {
    HKEY key = CreateKey(HKEY_CURRENT_USER, path);
    for (std::size_t i = 0; i < values.size(); ++i) Put(key, ChoiceKey(static_cast<int>(i) + 1), values[i]);
    if (count != nullptr) Put(key, count, std::to_wstring(values.size() - 1));
    RegCloseKey(key);
}

std::wstring Scratch(const std::wstring& name) {
    return std::wstring(kScratchKey) + L"\\" + name;
}

double MillisecondsOf(void (*writes)(const Values&, const Values&), const Values& custom, const Values& desktop) {
    const auto start = std::chrono::steady_clock::now();
    writes(custom, desktop);
    const auto end = std::chrono::steady_clock::now();
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratchKey);
    return std::chrono::duration<double, std::milli>(end - start).count();
}

void PlainWrites(const Values& custom, const Values& desktop) {
    WriteList(Scratch(L"Custom"), custom);
    WriteList(Scratch(L"Desktop"), desktop);
}

// Only the desktop list changes, so only it is staged and copied.
void StagedWrites(const Values&, const Values& desktop) {
    WriteList(Scratch(L"Desktop.saving"), desktop, L"Complete");
    // The terminator stays where it was: only the entries change.
    WriteList(Scratch(L"Desktop"), Values(desktop.begin(), desktop.end() - 1));
    RegDeleteTreeW(HKEY_CURRENT_USER, Scratch(L"Desktop.saving").c_str());
}

// Reads the keys MenuChoice1... that a list of `count` values takes.
void ReadList(const std::wstring& path, std::size_t count) {
    HKEY key = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key);
    for (std::size_t i = 1; i <= count; ++i) {
        wchar_t value[512];
        DWORD bytes = sizeof value;
        RegGetValueW(key, nullptr, ChoiceKey(static_cast<int>(i)).c_str(), RRF_RT_REG_SZ, nullptr, value, &bytes);
    }
    RegCloseKey(key);
}

// Both stored lists read, values and terminators, as at start-up.
void StartUpReads(const Values& custom, const Values& desktop) {
    ReadList(Scratch(L"Custom"), custom.size());
    ReadList(Scratch(L"Desktop"), desktop.size());
}

// Both stored lists read where the new ones go, then the staged writes.
void ReadsAndStagedWrites(const Values& custom, const Values& desktop) {
    StartUpReads(custom, desktop);
    StagedWrites(custom, desktop);
}

}  // namespace

Fixture::Fixture(std::wstring root) : root_(std::move(root)) {
    if (root_.back() != L'\\') root_ += L'\\';
}

// Files are made in rising order, so the last one existing means all do.
void Fixture::CheckFiles(const std::wstring& folder, const std::wstring& prefix, int count) const {
    if (!Exists(folder) || (count > 0 && !Exists(folder + Numbered(prefix, count)))) {
        throw std::runtime_error("fixture files are missing (bench/compare.sh makes them)");
    }
}

std::wstring Fixture::StoredFolder(int entries) const {
    const std::wstring folder = root_ + L"stored\\";
    for (const wchar_t* section : kSections) CheckFiles(folder, section, entries);
    return folder;
}

std::wstring Fixture::UseDesktopFolder(int entries) const {
    const std::wstring folder = root_ + L"desktop-" + std::to_wstring(entries) + L"\\";
    CheckFiles(folder, L"Note", entries);
    const std::wstring value = folder.substr(0, folder.size() - 1);
    for (const wchar_t* path : {kUserShellFolders, kShellFolders}) {
        HKEY key = CreateKey(HKEY_CURRENT_USER, path);
        Put(key, L"Desktop", value, path == kUserShellFolders ? REG_EXPAND_SZ : REG_SZ);
        RegCloseKey(key);
    }
    return folder;
}

namespace {

void SeedOptions() {
    const wchar_t* const wanted = _wgetenv(L"KELVO_COMPARE_OPTIONS");
    if (wanted == nullptr || *wanted == L'\0') return;
    HKEY key = CreateKey(HKEY_CURRENT_USER, std::wstring(kAppKey) + L"\\Options");
    std::wstring rest = wanted;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(L',');
        const std::wstring setting = rest.substr(0, comma);
        rest = comma == std::wstring::npos ? std::wstring() : rest.substr(comma + 1);
        const std::size_t equals = setting.find(L'=');
        if (equals != std::wstring::npos) Put(key, setting.substr(0, equals), setting.substr(equals + 1));
    }
    RegCloseKey(key);
}

}  // namespace

void SeedStore(const std::wstring& folder, int entries) {
    RegDeleteTreeW(HKEY_CURRENT_USER, kAppKey);
    for (const wchar_t* section : kSections) {
        WriteList(std::wstring(kAppKey) + L"\\" + section, ListOf(section, folder, entries));
    }
    SeedOptions();
}


std::wstring StoredChoice(const wchar_t* section, int position) {
    const std::wstring path = std::wstring(kAppKey) + L"\\" + section;
    wchar_t value[1024] = {};
    DWORD bytes = sizeof value - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), ChoiceKey(position).c_str(), RRF_RT_REG_SZ, nullptr, value,
                     &bytes) !=
        ERROR_SUCCESS) {
        return {};
    }
    return value;
}

std::wstring LocationOf(const std::wstring& value) {
    const std::size_t first = value.find(L'%');
    if (first == std::wstring::npos) return {};
    const std::size_t second = value.find(L'%', first + 1);
    return value.substr(first + 1, second == std::wstring::npos ? std::wstring::npos : second - first - 1);
}

double TimePlainWrites(const Folders& folders, int entries) {
    return MillisecondsOf(PlainWrites, ListOf(L"Custom", folders.stored, entries),
                          ListOf(L"Desktop", folders.desktop, entries));
}

double TimeStartUpReads(const Folders& folders, int entries) {
    const Values custom = ListOf(L"Custom", folders.stored, entries);
    const Values desktop = ListOf(L"Desktop", folders.stored, entries);
    PlainWrites(custom, desktop);
    return MillisecondsOf(StartUpReads, custom, desktop);
}

double TimeStagedWrites(const Folders& folders, int entries, bool withReads) {
    // The stored lists that OK compares with, and the desktop list its copy writes over.
    WriteList(Scratch(L"Custom"), ListOf(L"Custom", folders.stored, entries));
    WriteList(Scratch(L"Desktop"), ListOf(L"Desktop", folders.stored, entries));
    return MillisecondsOf(withReads ? ReadsAndStagedWrites : StagedWrites, ListOf(L"Custom", folders.stored, entries),
                          ListOf(L"Desktop", folders.desktop, entries));
}

}  // namespace kelvo::bench
