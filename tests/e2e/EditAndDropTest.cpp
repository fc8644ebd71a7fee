#include "E2eSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kelvo::e2e {
namespace {

// The program resident with a stored desktop list of three files and a
// custom list of one, all in the fixture folder, which also holds files to
// drop; text files open in the recorder.
class EditAndDropTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearStore();
        RouteTextFilesToRecorder();
        for (const wchar_t* name : {L"A.txt", L"B.txt", L"C.txt", L"Keep.txt", L"Drop1.txt", L"Drop2.txt",
                                    L"Drop3.txt"}) {
            folder.AddFile(name);
        }
        StoreList(L"Desktop", {folder.ChoiceFor(L"A.txt"), folder.ChoiceFor(L"B.txt"), folder.ChoiceFor(L"C.txt")});
        StoreList(L"Custom", {folder.ChoiceFor(L"Keep.txt")});
        kelvo = std::make_unique<KelvoProcess>();
        tray = kelvo->WaitUntilResident();
        ASSERT_NE(tray, nullptr);
    }

    void OpenProperties() {
        HWND popup = ShowPopupOf(tray, kelvo->Id());
        ASSERT_NE(popup, nullptr);
        PressKeys(popup, {VK_UP, VK_UP, VK_RETURN});
        settings = WaitForSettingsWindow(kelvo->Id());
        ASSERT_NE(settings, nullptr);
    }

    // The control with this caption on the tab shown (both list tabs have
    // an "Up", a "Down" and a "Remove").
    HWND Shown(const std::wstring& caption) const {
        for (HWND button : ChildrenOfClass(settings, WC_BUTTONW)) {
            if (WindowText(button) == caption && IsWindowVisible(button)) return button;
        }
        ADD_FAILURE() << "no " << std::string(caption.begin(), caption.end());
        return nullptr;
    }
    void Press(const std::wstring& caption) { ClickButton(Shown(caption)); }
    // Presses a button that opens no window of its own, such as Up or
    // Remove, and returns once the program has handled the click: a click
    // posted would be handled after a later look at the list.
    void PressNow(const std::wstring& caption) { SendMessageW(Shown(caption), BM_CLICK, 0, 0); }
    bool Enabled(const std::wstring& caption) const {
        return IsWindowEnabled(Shown(caption)) != FALSE;
    }
    HWND ListShown() const {
        for (HWND list : ChildrenOfClass(settings, WC_LISTVIEWW)) {
            if (IsWindowVisible(list)) return list;
        }
        return nullptr;
    }
    HWND Tabs() const {
        const std::vector<HWND> tabs = ChildrenOfClass(settings, WC_TABCONTROLW);
        return tabs.empty() ? nullptr : tabs.front();
    }
    std::vector<std::wstring> Names() const {
        return ListViewColumn(ListShown(), 0);
    }
    bool AcceptsDrops() const { return (GetWindowLongPtrW(settings, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0; }

    // Chooses row `row` (from 1) of the popup's custom entries, or of its
    // DeskTop submenu after `customRows` custom entries; what was opened.
    std::wstring Open(int customRows, bool inDeskTop, int row) {
        std::vector<WORD> keys(static_cast<std::size_t>(row), VK_DOWN);
        if (inDeskTop) {
            keys.assign(static_cast<std::size_t>(customRows + 1), VK_DOWN);
            keys.push_back(VK_RIGHT);
            keys.insert(keys.end(), static_cast<std::size_t>(row - 1), VK_DOWN);
        }
        keys.push_back(VK_RETURN);
        return OpenFromPopup(tray, kelvo->Id(), keys);
    }

    FixtureFolder folder;
    std::unique_ptr<KelvoProcess> kelvo;
    HWND tray = nullptr;
    HWND settings = nullptr;
};

TEST_F(EditAndDropTest, ReorderAndRemoveOnTheDesktopTabReachThePopupAfterOk) {
    OpenProperties();
    EXPECT_FALSE(Enabled(L"Up"));
    ClickListRow(ListShown(), 2);
    EXPECT_TRUE(WaitUntil([&] { return Enabled(L"Up"); }));
    EXPECT_FALSE(Enabled(L"Down"));
    EXPECT_TRUE(Enabled(L"Remove"));

    PressNow(L"Up");
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"A.txt", L"C.txt", L"B.txt"}));
    EXPECT_TRUE(Enabled(L"Up"));
    EXPECT_TRUE(Enabled(L"Down"));
    const std::vector<int> images = ListViewImages(ListShown());
    ASSERT_EQ(images.size(), 3u);
    EXPECT_GT(images[1], 0) << "the moved row keeps its picture";

    ClickListRow(ListShown(), 0);
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(L"Up"); }));
    PressNow(L"Remove");
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"C.txt", L"B.txt"}));
    EXPECT_FALSE(Enabled(L"Remove"));

    Press(L"OK");
    // The store is written after the window is hidden.
    const std::vector<std::wstring> stored{folder.ChoiceFor(L"C.txt"), folder.ChoiceFor(L"B.txt"), L"Done"};
    EXPECT_TRUE(WaitUntil([&] { return StoredList(L"Desktop") == stored; }));
    ASSERT_TRUE(WaitUntil([&] { return !AnyWindowVisible(kelvo->Id()); }));
    EXPECT_EQ(Open(1, true, 1), folder.Path() + L"C.txt");
    EXPECT_EQ(Open(1, true, 2), folder.Path() + L"B.txt");
}

TEST_F(EditAndDropTest, DroppedFilesShowInThePopupAfterOkAndAreGoneAfterCancel) {
    OpenProperties();
    EXPECT_FALSE(AcceptsDrops());
    DropFiles(settings, {folder.Path() + L"Drop3.txt"});
    ClickTab(Tabs(), 1);
    ASSERT_TRUE(WaitUntil([&] { return AcceptsDrops(); }));
    EXPECT_EQ(Names(), std::vector<std::wstring>{L"Keep.txt"}) << "a drop before the custom tab adds nothing";

    // Keep.txt is on the list already: refused with a message.
    DropFiles(settings, {folder.Path() + L"Drop1.txt", folder.Path() + L"Keep.txt", folder.Path() + L"Drop2.txt"});
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = MessageBoxOf(kelvo->Id())) != nullptr; }));
    EXPECT_NE(ChildWithText(box, L"This item already on the list"), nullptr);
    EXPECT_EQ(WindowText(box), L"KelvoTop");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return Names().size() == 3; }));
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Keep.txt", L"Drop1.txt", L"Drop2.txt"}));

    Press(L"OK");
    ASSERT_TRUE(WaitUntil([&] { return StoredList(L"Custom").size() == 4; }));
    ASSERT_TRUE(WaitUntil([&] { return !AnyWindowVisible(kelvo->Id()); }));
    EXPECT_EQ(Open(3, false, 3), folder.Path() + L"Drop2.txt");

    OpenProperties();
    DropFiles(settings, {folder.Path() + L"Drop3.txt"});
    ClickTab(Tabs(), 1);
    ASSERT_TRUE(WaitUntil([&] { return Names().size() == 4; }));
    Press(L"Cancel");
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(settings); }));
    EXPECT_EQ(StoredList(L"Custom").size(), 4u);
    OpenProperties();
    ClickTab(Tabs(), 1);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(Tabs(), TCM_GETCURSEL, 0, 0) == 1; }));
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Keep.txt", L"Drop1.txt", L"Drop2.txt"}));
}

TEST_F(EditAndDropTest, DeleteRemovesEnterIsOkAndEscIsCancel) {
    OpenProperties();
    ClickListRow(ListShown(), 0);
    ASSERT_TRUE(WaitUntil([&] { return Enabled(L"Remove"); }));
    PostMessageW(ListShown(), WM_KEYDOWN, VK_DELETE, 1);
    ASSERT_TRUE(WaitUntil([&] { return Names().size() == 2; }));
    PostMessageW(ListShown(), WM_KEYDOWN, VK_ESCAPE, 1);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(settings); }));
    EXPECT_EQ(StoredList(L"Desktop").size(), 4u) << "Esc writes nothing";

    OpenProperties();
    ClickListRow(ListShown(), 0);
    ASSERT_TRUE(WaitUntil([&] { return Enabled(L"Remove"); }));
    PostMessageW(ListShown(), WM_KEYDOWN, VK_DELETE, 1);
    PostMessageW(ListShown(), WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_TRUE(WaitUntil([&] { return StoredList(L"Desktop").size() == 3; }));
    EXPECT_EQ(StoredList(L"Desktop").front(), folder.ChoiceFor(L"B.txt"));
    EXPECT_FALSE(IsWindowVisible(settings));
}

}  // namespace
}  // namespace kelvo::e2e
