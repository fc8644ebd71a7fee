#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "contract/SettingsStoreContract.h"
#include "platform/win32/RegistryStore.h"
#include "platform/win32/Utf8.h"

namespace kelvo {
namespace {

// A key of its own per store under HKEY_CURRENT_USER, removed with the store,
// so that the program's real lists are never touched.
std::string ScratchKeyPath() {
    static int serial = 0;
    return std::string(kApplicationKey) + "Test-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++serial);
}

class ScratchRegistryStore final : public SettingsStore {
public:
    ScratchRegistryStore() : path_(ScratchKeyPath()), store_(path_) {}
    ~ScratchRegistryStore() override { RegDeleteTreeW(HKEY_CURRENT_USER, Widen(path_).c_str()); }

    std::string Get(const std::string& section, const std::string& key,
                    const std::string& fallback) override {
        return store_.Get(section, key, fallback);
    }
    void Put(const std::string& section, const std::string& key, const std::string& value) override {
        store_.Put(section, key, value);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    RegistryStore store_;
};

// Lists written by the earlier program are plain REG_SZ values; they must
// read back unchanged, and what this store writes must read the same way.
class RegistryLayoutTest : public ::testing::Test {
protected:
    std::wstring SectionPath(const wchar_t* section) const { return Widen(store.Path()) + L"\\" + section; }

    void PutRaw(const wchar_t* section, const wchar_t* name, const std::wstring& value) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr, 0,
                                  KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }

    // The raw value and its type, as another program would see it.
    std::pair<DWORD, std::wstring> GetRaw(const wchar_t* section, const wchar_t* name) {
        wchar_t buffer[512] = {};
        DWORD type = 0;
        DWORD bytes = sizeof buffer;
        RegGetValueW(HKEY_CURRENT_USER, SectionPath(section).c_str(), name, RRF_RT_ANY, &type, buffer,
                     &bytes);
        return {type, buffer};
    }

    ScratchRegistryStore store;
};

TEST_F(RegistryLayoutTest, ReadsValuesWrittenByTheEarlierProgram) {
    PutRaw(L"Desktop", L"MenuChoice1", L"notepad.lnk%C:\\Windows\\Desktop\\%1");
    PutRaw(L"Desktop", L"MenuChoice2", L"Done");
    PutRaw(L"Custom", L"MenuChoice1", L"R&D notes.txt%C:\\Users\\Kim\\100% sure\\%1");

    EXPECT_EQ(store.Get("Desktop", "MenuChoice1", "Done"), "notepad.lnk%C:\\Windows\\Desktop\\%1");
    EXPECT_EQ(store.Get("Desktop", "MenuChoice2", "x"), "Done");
    EXPECT_EQ(store.Get("Custom", "MenuChoice1", "Done"), "R&D notes.txt%C:\\Users\\Kim\\100% sure\\%1");
}

TEST_F(RegistryLayoutTest, WritesPlainStringValuesUnderTheSectionKey) {
    store.Put("Custom", "MenuChoice1",
              "\xC3\x9C" "berblick \xE2\x80\x93 \xE6\x97\xA5\xE6\x9C\xAC.txt%C:\\Docs\\%1");

    auto [type, value] = GetRaw(L"Custom", L"MenuChoice1");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(value, L"\u00DCberblick \u2013 \u65E5\u672C.txt%C:\\Docs\\%1");
}

TEST_F(RegistryLayoutTest, ValueOfAnotherTypeReadsAsAbsent) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(L"Desktop").c_str(), 0, nullptr, 0, KEY_WRITE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 7;
    RegSetValueExW(key, L"MenuChoice1", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);

    EXPECT_EQ(store.Get("Desktop", "MenuChoice1", "Done"), "Done");
}

}  // namespace

namespace contract {
INSTANTIATE_TEST_SUITE_P(Registry, SettingsStoreContract,
                         ::testing::Values(SettingsStoreMaker{
                             "Registry", [] { return std::make_unique<ScratchRegistryStore>(); }}),
                         SettingsStoreMakerName);
}  // namespace contract
}  // namespace kelvo
