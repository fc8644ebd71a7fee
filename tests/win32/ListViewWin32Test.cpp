#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "contract/ListViewContract.h"
#include "platform/win32/Win32ImageList.h"
#include "platform/win32/Win32ListView.h"

namespace kelvo {
namespace {

// A hidden top-level window holding one real list view, 400x300 pixels.
class HostedListView final : public ListView {
public:
    HostedListView()
        : host_(CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 0, 0, 420, 320, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr)),
          view_(CreateReportView(host_, 1, RECT{0, 0, 400, 300}, RGB(0, 0, 128),
                                 RGB(255, 255, 255), 96)) {}
    ~HostedListView() override { DestroyWindow(host_); }
    HostedListView(const HostedListView&) = delete;
    HostedListView& operator=(const HostedListView&) = delete;

    int Count() const override { return view_.Count(); }
    ListRow Row(int k) const override { return view_.Row(k); }
    void Insert(int k, const ListRow& row) override { view_.Insert(k, row); }
    void Remove(int k) override { view_.Remove(k); }
    void Clear() override { view_.Clear(); }
    int Selected() const override { return view_.Selected(); }
    void Select(int k) override { view_.Select(k); }
    void AttachImages(ImageList* images) override { view_.AttachImages(images); }
    void Repaint() override { view_.Repaint(); }

    HWND Handle() const { return view_.Handle(); }
    // The image index the control itself holds for row k.
    int ImageIndexOf(int k) const {
        LVITEMW item{};
        item.mask = LVIF_IMAGE;
        item.iItem = k - 1;
        SendMessageW(view_.Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return item.iImage;
    }

private:
    HWND host_;
    Win32ListView view_;
};

void EnsureCommonControls() {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
}

class Win32ListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureCommonControls();
        view = std::make_unique<HostedListView>();
    }
    void TearDown() override {
        view->AttachImages(nullptr);
        view.reset();
    }

    Win32ImageList images;
    std::unique_ptr<HostedListView> view;
};

// A view takes its pictures by position in the image list; after the list is
// rebuilt in another order each row must still show the picture of its key.
TEST_F(Win32ListViewTest, RowsFollowTheirKeysWhenTheImageListIsRebuilt) {
    images.Add("dummy", IconImage::Filled(kBaseIconSide, 0xFFFFFF));
    images.Add("a.txt", IconImage::Filled(kBaseIconSide, 0x112233));
    images.Add("b.exe", IconImage::Filled(kBaseIconSide, 0x445566));
    view->AttachImages(&images);
    view->Append(ListRow{"b", "C:\\", "b.exe"});
    view->Append(ListRow{"a", "C:\\", "a.txt"});
    view->Append(ListRow{"none", "C:\\", ""});
    EXPECT_EQ(view->ImageIndexOf(1), 2);
    EXPECT_EQ(view->ImageIndexOf(2), 1);
    EXPECT_LT(view->ImageIndexOf(3), 0);

    view->AttachImages(nullptr);
    images.Clear();
    images.Add("b.exe", IconImage::Filled(kBaseIconSide, 0x445566));
    images.Add("dummy", IconImage::Filled(kBaseIconSide, 0xFFFFFF));
    view->AttachImages(&images);
    EXPECT_EQ(view->ImageIndexOf(1), 0);
    EXPECT_LT(view->ImageIndexOf(2), 0);
    EXPECT_EQ(view->Row(2).iconKey, "a.txt");
}

TEST_F(Win32ListViewTest, TextLongerThanAFirstGuessReadsBackWhole) {
    const std::string name(300, 'n');
    const std::string location = "C:\\" + std::string(500, 'd') + "\\";
    view->Append(ListRow{name, location, ""});
    EXPECT_EQ(view->Row(1), (ListRow{name, location, ""}));
}

TEST_F(Win32ListViewTest, SelectingNoRowClearsTheSelection) {
    view->Append(ListRow{"a", "C:\\", ""});
    view->Select(1);
    view->Select(0);
    EXPECT_EQ(view->Selected(), 0);
    EXPECT_THROW(view->Select(2), std::out_of_range);
}

TEST_F(Win32ListViewTest, ReportViewWithTwoColumnsInTwips) {
    const auto style = GetWindowLongPtrW(view->Handle(), GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_TRUE(style & LVS_SHOWSELALWAYS);
    EXPECT_FALSE(style & (LVS_SORTASCENDING | LVS_SORTDESCENDING));
    // Else the view would destroy the image list that its Win32ImageList still owns.
    EXPECT_TRUE(style & LVS_SHAREIMAGELISTS);
    EXPECT_TRUE(SendMessageW(view->Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) &
                LVS_EX_FULLROWSELECT);

    struct Expected {
        const wchar_t* header;
        int width;
    };
    const Expected columns[] = {{L"Program Name", 96}, {L"Program Location", 163}};
    for (int index = 0; index < 2; ++index) {
        wchar_t text[64] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = text;
        column.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(view->Handle(), LVM_GETCOLUMNW, index,
                                 reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(text, columns[index].header);
        EXPECT_EQ(column.cx, columns[index].width);
    }
}

// Draws image `index` onto white and reads back its top-left pixel as 0x00RRGGBB.
std::uint32_t DrawnPixel(const Win32ImageList& images, int index) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, target);
    RECT all{0, 0, 16, 16};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ImageList_Draw(images.Handle(), index, dc, 0, 0, ILD_TRANSPARENT);
    const COLORREF pixel = GetPixel(dc, 0, 0);
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
    return static_cast<std::uint32_t>(GetRValue(pixel)) << 16 | GetGValue(pixel) << 8 |
           GetBValue(pixel);
}

TEST(Win32ImageListTest, PicturesKeepTheirColoursAndAreOpaque) {
    Win32ImageList images;
    images.Add("red", IconImage::Filled(kBaseIconSide, 0xFF0000));
    images.Add("blue", IconImage::Filled(kBaseIconSide, 0x0000FF));
    images.Add("black", IconImage::Filled(kBaseIconSide, 0x000000));
    EXPECT_EQ(DrawnPixel(images, images.IndexOf("red")), 0xFF0000u);
    EXPECT_EQ(DrawnPixel(images, images.IndexOf("blue")), 0x0000FFu);
    EXPECT_EQ(DrawnPixel(images, images.IndexOf("black")), 0x000000u);
}

TEST(Win32ImageListTest, AKeyAlreadyHeldKeepsItsPicture) {
    Win32ImageList images;
    images.Add("a", IconImage::Filled(kBaseIconSide, 0x00FF00));
    images.Add("a", IconImage::Filled(kBaseIconSide, 0xFF00FF));
    EXPECT_EQ(images.Count(), 1);
    EXPECT_EQ(DrawnPixel(images, images.IndexOf("a")), 0x00FF00u);
    EXPECT_EQ(images.IndexOf("missing"), -1);
}

}  // namespace

namespace contract {
INSTANTIATE_TEST_SUITE_P(Win32, ListViewContract,
                         ::testing::Values(ListViewMaker{
                             "Win32",
                             [] {
                                 EnsureCommonControls();
                                 return std::make_unique<HostedListView>();
                             },
                             [] { return std::make_unique<Win32ImageList>(); }}),
                         ListViewMakerName);
}  // namespace contract
}  // namespace kelvo
