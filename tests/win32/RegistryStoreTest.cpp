#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "contract/SettingsStoreContract.h"
#include "platform/win32/RegistryStore.h"
#include "platform/win32/Utf8.h"
#include "store/ChoiceReader.h"
#include "store/Choices.h"
#include "store/ListCommit.h"

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

    StoredValue Get(const std::string& section, const std::string& key) override { return store_.Get(section, key); }
    void Put(const std::string& section, const std::string& key, const std::string& value) override {
        store_.Put(section, key, value);
    }
    bool HasSection(const std::string& section) override { return store_.HasSection(section); }
    void DeleteSection(const std::string& section) override { store_.DeleteSection(section); }
    std::unique_ptr<SettingsStore> OpenForOtherThread() override { return store_.OpenForOtherThread(); }

    // Writes a value of any type, as another program would.
    void PutRaw(const std::string& section, const std::string& key, DWORD type, const void* data, DWORD bytes) {
        HKEY handle;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Widen(path_ + "\\" + section).c_str(), 0, nullptr, 0,
                                  KEY_WRITE, nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(handle, Widen(key).c_str(), 0, type, static_cast<const BYTE*>(data), bytes);
        RegCloseKey(handle);
    }
    void PutRawText(const std::string& section, const std::string& key, DWORD type, const std::wstring& text) {
        PutRaw(section, key, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    void PutNumber(const std::string& section, const std::string& key) {
        const DWORD number = 7;
        PutRaw(section, key, REG_DWORD, &number, sizeof number);
    }

    // Gives the section's key the access `sddl` describes, as a policy
    // would; false when the key cannot be changed.
    bool SetAccess(const std::string& section, const wchar_t* sddl) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor, nullptr)) {
            return false;
        }
        HKEY handle;
        LSTATUS status =
            RegOpenKeyExW(HKEY_CURRENT_USER, Widen(path_ + "\\" + section).c_str(), 0, WRITE_DAC, &handle);
        if (status == ERROR_SUCCESS) {
            status = RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, descriptor);
            RegCloseKey(handle);
        }
        LocalFree(descriptor);
        return status == ERROR_SUCCESS;
    }
    bool Writable(const std::string& section) const { return Opens(section, KEY_SET_VALUE); }
    bool Readable(const std::string& section) const { return Opens(section, KEY_QUERY_VALUE); }

    // A section's key without values, as a write cut short leaves it.
    void MakeEmptyRaw(const std::string& section) {
        HKEY handle;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Widen(path_ + "\\" + section).c_str(), 0, nullptr, 0,
                                  KEY_WRITE, nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(handle);
    }
    void DeleteRaw(const std::string& section) {
        RegDeleteTreeW(HKEY_CURRENT_USER, Widen(path_ + "\\" + section).c_str());
    }
    bool SectionExists(const std::string& section) const { return Opens(section, KEY_READ); }

    // The raw value and its type, as another program would see it.
    std::pair<DWORD, std::wstring> GetRaw(const std::string& section, const std::string& key) const {
        wchar_t buffer[512] = {};
        DWORD type = 0;
        DWORD bytes = sizeof buffer;
        RegGetValueW(HKEY_CURRENT_USER, Widen(path_ + "\\" + section).c_str(), Widen(key).c_str(),
                     RRF_RT_ANY | RRF_NOEXPAND, &type, buffer, &bytes);
        return {type, buffer};
    }

private:
    // True when the section's key can be opened with `access`.
    bool Opens(const std::string& section, REGSAM access) const {
        HKEY handle;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, Widen(path_ + "\\" + section).c_str(), 0, access, &handle) !=
            ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(handle);
        return true;
    }

    std::string path_;
    RegistryStore store_;
};

// Lists written by the earlier program are plain REG_SZ values; they must
// read back unchanged, and what this store writes must read the same way.
class RegistryLayoutTest : public ::testing::Test {
protected:
    ScratchRegistryStore store;
};

TEST_F(RegistryLayoutTest, ReadsValuesWrittenByTheEarlierProgram) {
    store.PutRawText("Desktop", "MenuChoice1", REG_SZ, L"notepad.lnk%C:\\Windows\\Desktop\\%1");
    store.PutRawText("Desktop", "MenuChoice2", REG_SZ, L"Done");
    store.PutRawText("Custom", "MenuChoice1", REG_SZ, L"R&D notes.txt%C:\\Users\\Kim\\100% sure\\%1");

    EXPECT_EQ(store.Get("Desktop", "MenuChoice1"), StoredValue::Text("notepad.lnk%C:\\Windows\\Desktop\\%1"));
    EXPECT_EQ(store.Get("Desktop", "MenuChoice2"), StoredValue::Text("Done"));
    EXPECT_EQ(store.Get("Custom", "MenuChoice1"),
              StoredValue::Text("R&D notes.txt%C:\\Users\\Kim\\100% sure\\%1"));
}

TEST_F(RegistryLayoutTest, WritesPlainStringValuesUnderTheSectionKey) {
    store.Put("Custom", "MenuChoice1",
              "\xC3\x9C" "berblick \xE2\x80\x93 \xE6\x97\xA5\xE6\x9C\xAC.txt%C:\\Docs\\%1");

    auto [type, value] = store.GetRaw("Custom", "MenuChoice1");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(value, L"\u00DCberblick \u2013 \u65E5\u672C.txt%C:\\Docs\\%1");
}

// Windows lets a name hold a UTF-16 surrogate without its partner; such a
// name is stored, read back and handed on unchanged.
TEST_F(RegistryLayoutTest, NamesWithLoneSurrogatesRoundTripExactly) {
    const std::wstring name = L"a\xD800z \xDC01.txt%C:\\Docs \xDBFF\\%1";
    store.PutRawText("Custom", "MenuChoice1", REG_SZ, name);
    const StoredValue read = store.Get("Custom", "MenuChoice1");
    ASSERT_EQ(read.kind, StoredValue::Kind::Text);
    EXPECT_EQ(Widen(read.text), name);
    const ListEntry entry = ParseChoice(read.text);
    EXPECT_EQ(Widen(entry.FullPath()), L"C:\\Docs \xDBFF\\a\xD800z \xDC01.txt");

    store.Put("Custom", "MenuChoice2", ChoiceValue(entry.name, entry.location));
    EXPECT_EQ(store.GetRaw("Custom", "MenuChoice2"), std::make_pair(static_cast<DWORD>(REG_SZ), name));
}

TEST_F(RegistryLayoutTest, OnlyStringValuesAreText) {
    const DWORD number = 7;
    const unsigned long long big = 7;
    const BYTE bytes[] = {'a', 0, 'b', 0};
    const wchar_t multi[] = L"a.txt%C:\\%1\0b\0";
    const wchar_t expandable[] = L"%TEMP%.txt%C:\\%1";
    struct Case {
        const char* what;
        DWORD type;
        const void* data;
        DWORD size;
        StoredValue read;
    };
    const Case cases[] = {
        {"expandable, unexpanded", REG_EXPAND_SZ, expandable, sizeof expandable, StoredValue::Text("%TEMP%.txt%C:\\%1")},
        {"number", REG_DWORD, &number, sizeof number, StoredValue::Unreadable()},
        {"large number", REG_QWORD, &big, sizeof big, StoredValue::Unreadable()},
        {"binary", REG_BINARY, bytes, sizeof bytes, StoredValue::Unreadable()},
        {"empty binary", REG_BINARY, bytes, 0, StoredValue::Unreadable()},
        {"several strings", REG_MULTI_SZ, multi, sizeof multi, StoredValue::Unreadable()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        store.PutRaw("Desktop", "MenuChoice1", c.type, c.data, c.size);
        EXPECT_EQ(store.Get("Desktop", "MenuChoice1"), c.read);
        EXPECT_EQ(store.GetRaw("Desktop", "MenuChoice1").first, c.type);
    }
}

TEST_F(RegistryLayoutTest, ListWithValuesOfOtherTypesReadsOnAndStaysAsItWas) {
    store.PutRawText("Custom", "MenuChoice1", REG_SZ, L"a.txt%C:\\%1");
    store.PutRawText("Custom", "MenuChoice2", REG_EXPAND_SZ, L"%TEMP%.txt%C:\\x\\%1");
    store.PutNumber("Custom", "MenuChoice3");
    store.PutRawText("Custom", "MenuChoice4", REG_SZ, L"d.txt%\\\\srv\\share\\%1");
    store.PutRawText("Custom", "MenuChoice5", REG_SZ, L"Done");

    ChoiceReader reader(store, kCustomSection);
    std::vector<ListEntry> entries;
    while (auto entry = reader.Next()) entries.push_back(*entry);
    EXPECT_EQ(entries, (std::vector<ListEntry>{MakeEntry("a.txt", "C:\\"), MakeEntry("%TEMP%.txt", "C:\\x\\"),
                                               MakeEntry("d.txt", "\\\\srv\\share\\")}));
    EXPECT_EQ(reader.Count(), 4);
    EXPECT_EQ(store.GetRaw("Custom", "MenuChoice2"),
              std::make_pair(static_cast<DWORD>(REG_EXPAND_SZ), std::wstring(L"%TEMP%.txt%C:\\x\\%1")));
    EXPECT_EQ(store.GetRaw("Custom", "MenuChoice3").first, static_cast<DWORD>(REG_DWORD));
}

TEST_F(RegistryLayoutTest, MissingSectionReadsEmptyAndGetsItsTerminator) {
    ChoiceReader reader(store, kDesktopSection);
    EXPECT_EQ(reader.Next(), std::nullopt);
    EXPECT_EQ(reader.Count(), 0);
    EXPECT_EQ(store.GetRaw("Desktop", "MenuChoice1"), std::make_pair(static_cast<DWORD>(REG_SZ), std::wstring(L"Done")));
}

TEST_F(RegistryLayoutTest, SectionMadeAgainBehindTheStoresBackIsReadWhereItNowIs) {
    store.Put("Custom", "MenuChoice1", "old");
    ASSERT_EQ(store.Get("Custom", "MenuChoice1"), StoredValue::Text("old"));
    store.DeleteRaw("Custom");
    store.PutRawText("Custom", "MenuChoice1", REG_SZ, L"new");
    EXPECT_EQ(store.Get("Custom", "MenuChoice1"), StoredValue::Text("new"));
    store.DeleteRaw("Custom");
    EXPECT_EQ(store.Get("Custom", "MenuChoice1"), StoredValue::Absent());
    store.Put("Custom", "MenuChoice1", "again");
    EXPECT_EQ(store.GetRaw("Custom", "MenuChoice1").second, L"again");
}

// Everyone may read the section and nobody may write it, as a policy may
// lock it; the owner may still change that.
TEST_F(RegistryLayoutTest, SectionLockedAgainstWritingStillReadsAndRefusesWrites) {
    store.PutRawText("Custom", "MenuChoice1", REG_SZ, L"a.txt%C:\\%1");
    ASSERT_TRUE(store.SetAccess("Custom", L"D:P(A;;KR;;;WD)"));
    if (store.Writable("Custom")) {
        store.SetAccess("Custom", L"D:P(A;;KA;;;WD)");
        GTEST_SKIP() << "this system does not enforce the permissions of registry keys";
    }
    EXPECT_EQ(store.Get("Custom", "MenuChoice1"), StoredValue::Text("a.txt%C:\\%1"));
    EXPECT_THROW(store.Put("Custom", "MenuChoice2", "Done"), std::system_error);
    EXPECT_EQ(store.Get("Custom", "MenuChoice1"), StoredValue::Text("a.txt%C:\\%1"));
    EXPECT_EQ(store.Get("Custom", "MenuChoice2"), StoredValue::Absent());
    store.SetAccess("Custom", L"D:P(A;;KA;;;WD)");
}

TEST_F(RegistryLayoutTest, DeletedSectionIsGoneFromTheRegistry) {
    store.Put("Desktop.saving", "MenuChoice1", "a");
    store.Put("Desktop", "MenuChoice1", "b");
    store.DeleteSection("Desktop.saving");
    EXPECT_FALSE(store.SectionExists("Desktop.saving"));
    EXPECT_TRUE(store.SectionExists("Desktop"));
}

// A kill between making a staging section's key and writing its first value.
TEST_F(RegistryLayoutTest, StagingSectionWithoutValuesIsGoneAfterTheNextStart) {
    store.Put("Desktop", "MenuChoice1", "Done");
    store.MakeEmptyRaw(StagingSection(kDesktopSection));
    EXPECT_EQ(FinishInterruptedSaves(store), ListFailures{});
    EXPECT_FALSE(store.SectionExists(StagingSection(kDesktopSection)));
    EXPECT_EQ(store.Get("Desktop", "MenuChoice1"), StoredValue::Text("Done"));
}

}  // namespace

namespace contract {
INSTANTIATE_TEST_SUITE_P(Registry, SettingsStoreContract,
                         ::testing::Values(SettingsStoreMaker{
                             "Registry", [] { return std::make_unique<ScratchRegistryStore>(); },
                             [](SettingsStore& store, const std::string& section, const std::string& key) {
                                 static_cast<ScratchRegistryStore&>(store).PutNumber(section, key);
                             },
                             [](SettingsStore& store, const std::string& section, bool locked) {
                                 auto& registry = static_cast<ScratchRegistryStore&>(store);
                                 registry.SetAccess(section, locked ? L"D:P" : L"D:P(A;;KA;;;WD)");
                                 return !locked || !registry.Readable(section);
                             }}),
                         SettingsStoreMakerName);
}  // namespace contract
}  // namespace kelvo
