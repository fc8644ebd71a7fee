#include <windows.h>

#include <gtest/gtest.h>

#include <iostream>
#include <optional>
#include <string>
#include <utility>

#include "FixtureFiles.h"
#include "platform/win32/FileNameCase.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32Folders.h"

namespace kelvo {
namespace {

TEST(LowerCaseMatchingName, LowersEveryLetterThatMatchesBack) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"", L""},
        {L"README.TXT", L"readme.txt"},
        {L"\x00C4RGER \x00D6L \x00DC" L"BER.TXT", L"\x00E4rger \x00F6l \x00FC" L"ber.txt"},  // ÄRGER ÖL ÜBER
        {L"\x0414\x041E\x041C \x0391\x0392\x0393", L"\x0434\x043E\x043C \x03B1\x03B2\x03B3"},  // ДОМ ΑΒΓ
        {L"\xD83D\xDE00" L"A", L"\xD83D\xDE00" L"a"},  // an emoji, a surrogate pair, is kept whole
    };
    for (const auto& [name, lowered] : cases) EXPECT_EQ(LowerCaseMatchingName(name), lowered) << Narrow(name);
}

// The identity of the file that `path` opens: volume and file index.
std::optional<std::pair<DWORD, ULONGLONG>> FileIdentity(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const BOOL known = GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    if (!known) return std::nullopt;
    return std::make_pair(info.dwVolumeSerialNumber,
                          (static_cast<ULONGLONG>(info.nFileIndexHigh) << 32) | info.nFileIndexLow);
}

// Letters whose simple lower-case form the file system does not match back
// to them (İ, ẞ, ϴ, the Kelvin, Ångström and Ohm signs), beside Ä, which it
// does. Each lowered name must still open its own file, and the letters
// after the first are lowered as usual.
TEST(LowerCaseMatchingName, LoweredNamesOpenTheSameFiles) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root = temp + std::wstring(L"kelvo-case-") + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(root.c_str(), nullptr));
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"\x0130STANBUL.TXT", L"stanbul.txt"},
        {L"\x1E9E-STRASSE.TXT", L"-strasse.txt"},
        {L"\x00C4RGER.TXT", L"\x00E4rger.txt"},
        {L"\x03F4" L"ETA.TXT", L"eta.txt"},
        {L"\x212A" L"ELVIN.TXT", L"elvin.txt"},
        {L"\x212B" L"NGSTROM.TXT", L"ngstrom.txt"},
        {L"\x2126" L"HM.TXT", L"hm.txt"},
    };
    for (const auto& [name, loweredTail] : cases) {
        const std::wstring original = root + L"\\" + name;
        CloseHandle(CreateFileW(original.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
        const std::wstring lowered = LowerCaseMatchingName(name);
        std::cout << "  " << Narrow(name) << " -> " << Narrow(lowered) << "\n";
        EXPECT_TRUE(lowered.ends_with(loweredTail)) << Narrow(lowered);
        const auto identity = FileIdentity(original);
        ASSERT_TRUE(identity) << Narrow(name);
        EXPECT_EQ(FileIdentity(root + L"\\" + lowered), identity) << Narrow(lowered);
    }
    EXPECT_EQ(LowerCaseMatchingName(L"\x00C4RGER.TXT"), L"\x00E4rger.txt");
    RemoveTree(Narrow(root));
}

TEST(LowerCaseMatchingName, FoldersLowerCaseUtf8Names) {
    Win32Folders folders;
    EXPECT_EQ(folders.LowerCaseName("\xC3\x84RGER.TXT"), "\xC3\xA4rger.txt");  // ÄRGER.TXT
}

}  // namespace
}  // namespace kelvo
