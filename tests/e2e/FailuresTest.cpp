#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvo::e2e {
namespace {

// The system's text for `error`, as the program shows it.
std::wstring SystemText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr, error,
        0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = text ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!message.empty() && iswspace(message.back())) message.pop_back();
    return message;
}

// Stored lists of files in the fixture folder, text files opening in the
// recorder.
class FailuresTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearStore();
        RouteTextFilesToRecorder();
        for (const wchar_t* name : {L"A.txt", L"B.txt", L"Gone.txt"}) folder.AddFile(name);
    }
    // The message box the program shows next: its text, once it is closed.
    std::wstring CloseMessageBox(const KelvoProcess& kelvo) {
        HWND box = nullptr;
        if (!WaitUntil([&] { return (box = MessageBoxOf(kelvo.Id())) != nullptr; })) return L"(no message box)";
        EXPECT_EQ(WindowText(box), L"KelvoTop");
        const std::wstring text = MessageBoxText(box);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        // Gone before anything else is pressed or looked for.
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
        return text;
    }

    // The next message box starts with `start`: its whole text when not.
    ::testing::AssertionResult NextMessageStartsWith(const KelvoProcess& kelvo, const std::wstring& start) {
        const std::wstring text = CloseMessageBox(kelvo);
        if (text.starts_with(start)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the message was: " << ::testing::PrintToString(text);
    }

    FixtureFolder folder;
};

TEST_F(FailuresTest, OpeningAFileDeletedAfterTheStartTellsTheSystemsReasonAndNamesIt) {
    StoreList(L"Custom", {folder.ChoiceFor(L"Gone.txt"), folder.ChoiceFor(L"A.txt")});
    KelvoProcess kelvo;
    HWND tray = kelvo.WaitUntilResident();
    ASSERT_NE(tray, nullptr);
    ASSERT_TRUE(DeleteFileW((folder.Path() + L"Gone.txt").c_str()));

    HWND popup = ShowPopupOf(tray, kelvo.Id());
    ASSERT_NE(popup, nullptr);
    PressKeys(popup, {VK_DOWN, VK_RETURN});
    EXPECT_EQ(CloseMessageBox(kelvo),
              L"Could not open " + folder.Path() + L"Gone.txt: " + SystemText(ERROR_FILE_NOT_FOUND));

    ASSERT_TRUE(WaitUntil([&] { return !AnyWindowVisible(kelvo.Id()); }));
    EXPECT_EQ(OpenFromPopup(tray, kelvo.Id(), {VK_DOWN, VK_DOWN, VK_RETURN}), folder.Path() + L"A.txt");
}

// The program's key and sections may be read and not written, as a policy
// may lock them. Each list holds a file that is gone, which the settings
// window leaves out: OK must write both lists.
TEST_F(FailuresTest, StoreLockedAgainstWritingStartsOpensItsEntriesAndOkTellsNothingWasSaved) {
    const std::vector<std::wstring> custom{folder.ChoiceFor(L"A.txt"), folder.ChoiceFor(L"Never1.txt"), L"Done"};
    const std::vector<std::wstring> desktop{folder.ChoiceFor(L"B.txt"), folder.ChoiceFor(L"Never2.txt"), L"Done"};
    StoreList(L"Custom", {custom[0], custom[1]});
    StoreList(L"Desktop", {desktop[0], desktop[1]});
    StoreLock lock;
    ASSERT_TRUE(lock.Holds());
    KelvoProcess kelvo;
    HWND tray = kelvo.WaitUntilResident();
    ASSERT_NE(tray, nullptr) << "started with its icon and no message";
    EXPECT_EQ(OpenFromPopup(tray, kelvo.Id(), {VK_DOWN, VK_RETURN}), folder.Path() + L"A.txt");

    HWND settings = ChooseProperties(tray, kelvo.Id());
    ASSERT_NE(settings, nullptr);
    ClickButton(ChildWithText(settings, L"OK"));
    EXPECT_EQ(CloseMessageBox(kelvo),
              L"Your custom and desktop lists could not be saved; the menu keeps the entries it had.");
    ASSERT_TRUE(WaitUntil([&] { return !AnyWindowVisible(kelvo.Id()); }));
    EXPECT_EQ(StoredList(L"Custom"), custom);
    EXPECT_EQ(StoredList(L"Desktop"), desktop);
    EXPECT_EQ(OpenFromPopup(tray, kelvo.Id(), {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}),
              folder.Path() + L"B.txt");
}

// An OK that changes neither list writes nothing, so a locked store takes it
// without a message, and the lists and the menu stay as they were.
TEST_F(FailuresTest, StoreLockedAgainstWritingTakesAnOkThatChangesNothingWithoutAMessage) {
    const std::vector<std::wstring> custom{folder.ChoiceFor(L"A.txt"), L"Done"};
    const std::vector<std::wstring> desktop{folder.ChoiceFor(L"B.txt"), L"Done"};
    StoreList(L"Custom", {custom[0]});
    StoreList(L"Desktop", {desktop[0]});
    StoreLock lock;
    ASSERT_TRUE(lock.Holds());
    KelvoProcess kelvo;
    HWND tray = kelvo.WaitUntilResident();
    ASSERT_NE(tray, nullptr);

    HWND settings = ChooseProperties(tray, kelvo.Id());
    ASSERT_NE(settings, nullptr);
    ClickButton(ChildWithText(settings, L"OK"));
    // OK leaves no trace outside to wait for: a message would come within
    // milliseconds of the window going, so two seconds tell there is none.
    ASSERT_TRUE(WaitUntil([&] { return !AnyWindowVisible(kelvo.Id()); }));
    Sleep(2000);
    EXPECT_EQ(MessageBoxOf(kelvo.Id()), nullptr);
    EXPECT_EQ(OpenFromPopup(tray, kelvo.Id(), {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}),
              folder.Path() + L"B.txt");
    EXPECT_EQ(StoredList(L"Custom"), custom);
    EXPECT_EQ(StoredList(L"Desktop"), desktop);
}

// The desktop section can be neither read nor written: the start, the
// settings window and OK each say so, nothing of that list is written, and
// the custom list reads and opens as usual.
TEST_F(FailuresTest, SectionThatCannotBeReadIsNamedAndNeverWritten) {
    const std::vector<std::wstring> desktop{folder.ChoiceFor(L"B.txt"), L"Done"};
    StoreList(L"Custom", {folder.ChoiceFor(L"A.txt"), folder.ChoiceFor(L"B.txt")});
    StoreList(L"Desktop", {desktop[0]});
    {
        SectionReadLock lock(L"Desktop");
        ASSERT_TRUE(lock.Holds());
        KelvoProcess kelvo;
        EXPECT_TRUE(NextMessageStartsWith(kelvo, L"Your desktop list could not be read in full: cannot read Desktop"));
        HWND tray = kelvo.WaitUntilResident();
        ASSERT_NE(tray, nullptr);
        EXPECT_EQ(OpenFromPopup(tray, kelvo.Id(), {VK_DOWN, VK_RETURN}), folder.Path() + L"A.txt");

        HWND settings = ChooseProperties(tray, kelvo.Id());
        ASSERT_NE(settings, nullptr);
        EXPECT_TRUE(NextMessageStartsWith(kelvo, L"Your desktop list could not be read in full, so OK will not save it: "));
        ClickButton(ChildWithText(settings, L"OK"));
        EXPECT_TRUE(NextMessageStartsWith(kelvo, L"Your desktop list was not saved, as it could not be read in full."));
        ASSERT_TRUE(WaitUntil([&] { return !AnyWindowVisible(kelvo.Id()); }));
    }
    EXPECT_EQ(StoredList(L"Desktop"), desktop);
    EXPECT_EQ(StoredList(L"Custom"), (std::vector<std::wstring>{folder.ChoiceFor(L"A.txt"), folder.ChoiceFor(L"B.txt"), L"Done"}));
}

// A save that a kill cut short, over a store locked against writing: the
// start says it could not be finished, OK does not save that list, and the
// staged list is kept until a start with a writable store finishes it.
TEST_F(FailuresTest, SaveLeftBehindThatCannotBeFinishedIsToldAndKeptForTheNextStart) {
    const std::vector<std::wstring> staged{folder.ChoiceFor(L"B.txt"), folder.ChoiceFor(L"A.txt")};
    StoreList(L"Custom", {staged[0], folder.ChoiceFor(L"Gone.txt")});  // the copy had begun
    StoreStagedList(L"Custom", staged);
    StoreList(L"Desktop", {});
    {
        StoreLock lock;
        ASSERT_TRUE(lock.Holds());
        KelvoProcess kelvo;
        EXPECT_TRUE(NextMessageStartsWith(kelvo, L"The last save of your custom list could not be finished: "));
        HWND tray = kelvo.WaitUntilResident();
        ASSERT_NE(tray, nullptr);
        HWND settings = ChooseProperties(tray, kelvo.Id());
        ASSERT_NE(settings, nullptr);
        EXPECT_TRUE(NextMessageStartsWith(kelvo, L"Your custom list could not be read in full, so OK will not save it: "));
        ClickButton(ChildWithText(settings, L"OK"));
        EXPECT_TRUE(NextMessageStartsWith(kelvo, L"Your custom list was not saved, as it could not be read in full."));
        ASSERT_TRUE(WaitUntil([&] { return !AnyWindowVisible(kelvo.Id()); }));
        kelvo.Kill();
    }
    EXPECT_TRUE(StoredSectionExists(L"Custom.saving"));
    KelvoProcess kelvo;
    ASSERT_NE(kelvo.WaitUntilResident(), nullptr);
    EXPECT_EQ(StoredList(L"Custom"), (std::vector<std::wstring>{staged[0], staged[1], L"Done"}));
    EXPECT_FALSE(StoredSectionExists(L"Custom.saving"));
}

}  // namespace
}  // namespace kelvo::e2e
