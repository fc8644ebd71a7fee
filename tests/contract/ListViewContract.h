#pragma once
// Cases every list view and image list must pass, the fakes and the real
// controls alike. Include in exactly one source file of a test program and
// instantiate with INSTANTIATE_TEST_SUITE_P(Name, ListViewContract,
// ::testing::Values(ListViewMaker{...}), ListViewMakerName).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

#include "platform/Image.h"
#include "platform/ImageList.h"
#include "platform/ListView.h"

namespace kelvo::contract {

// Makes fresh, empty objects of one implementation.
struct ListViewMaker {
    std::string name;
    std::function<std::unique_ptr<ListView>()> makeView;
    std::function<std::unique_ptr<ImageList>()> makeImages;
};

inline void PrintTo(const ListViewMaker& maker, std::ostream* out) { *out << maker.name; }

inline std::string ListViewMakerName(const ::testing::TestParamInfo<ListViewMaker>& info) {
    return info.param.name;
}

class ListViewContract : public ::testing::TestWithParam<ListViewMaker> {
protected:
    void SetUp() override {
        images = GetParam().makeImages();
        view = GetParam().makeView();
    }
    // The view lets go of the image list before either is destroyed.
    void TearDown() override {
        if (view) view->AttachImages(nullptr);
        view.reset();
        images.reset();
    }

    void Fill(int rows) {
        for (int k = 1; k <= rows; ++k) {
            view->Append(ListRow{"name" + std::to_string(k), "C:\\dir" + std::to_string(k) + "\\", {}});
        }
    }
    std::string TextOf(int k) const { return view->Row(k).text; }

    std::unique_ptr<ImageList> images;
    std::unique_ptr<ListView> view;
};

TEST_P(ListViewContract, StartsEmptyWithNothingSelected) {
    EXPECT_EQ(view->Count(), 0);
    EXPECT_EQ(view->Selected(), 0);
}

TEST_P(ListViewContract, AppendKeepsOrderAndFields) {
    Fill(3);
    ASSERT_EQ(view->Count(), 3);
    EXPECT_EQ(view->Row(1), (ListRow{"name1", "C:\\dir1\\", {}}));
    EXPECT_EQ(TextOf(2), "name2");
    EXPECT_EQ(view->Row(3).subItem, "C:\\dir3\\");
}

TEST_P(ListViewContract, InsertAtTwoInListOfThreeShiftsTheRest) {
    Fill(3);
    view->Insert(2, ListRow{"new", "C:\\new\\", {}});
    ASSERT_EQ(view->Count(), 4);
    EXPECT_EQ(TextOf(1), "name1");
    EXPECT_EQ(TextOf(2), "new");
    EXPECT_EQ(view->Row(2).subItem, "C:\\new\\");
    EXPECT_EQ(TextOf(3), "name2");
    EXPECT_EQ(TextOf(4), "name3");
}

TEST_P(ListViewContract, InsertAtFirstRowAndAfterTheLast) {
    Fill(2);
    view->Insert(1, ListRow{"first", "", {}});
    view->Insert(4, ListRow{"last", "", {}});
    ASSERT_EQ(view->Count(), 4);
    EXPECT_EQ(TextOf(1), "first");
    EXPECT_EQ(TextOf(2), "name1");
    EXPECT_EQ(TextOf(4), "last");
}

TEST_P(ListViewContract, RemoveRowOneOfTwoLeavesTheOtherAsRowOne) {
    Fill(2);
    view->Remove(1);
    ASSERT_EQ(view->Count(), 1);
    EXPECT_EQ(TextOf(1), "name2");
    EXPECT_EQ(view->Row(1).subItem, "C:\\dir2\\");
}

TEST_P(ListViewContract, ClearRemovesAllRowsAndTheSelection) {
    Fill(3);
    view->Select(2);
    view->Clear();
    EXPECT_EQ(view->Count(), 0);
    EXPECT_EQ(view->Selected(), 0);
}

TEST_P(ListViewContract, RowBeyondTheLastThrows) {
    Fill(2);
    EXPECT_THROW(view->Row(3), std::out_of_range);
    EXPECT_THROW(view->Row(0), std::out_of_range);
    view->Clear();
    EXPECT_THROW(view->Row(1), std::out_of_range);
}

TEST_P(ListViewContract, SelectionIsOneRowAndFollowsIt) {
    Fill(3);
    view->Select(3);
    view->Select(2);
    EXPECT_EQ(view->Selected(), 2);
    view->Remove(1);
    EXPECT_EQ(view->Selected(), 1);
    EXPECT_EQ(TextOf(view->Selected()), "name2");
    view->Remove(1);
    EXPECT_EQ(view->Selected(), 0);
}

TEST_P(ListViewContract, UnicodeTextRoundTrips) {
    const ListRow row{"\xC3\x9C" "berblick \xE2\x80\x93 \xE6\x97\xA5\xE6\x9C\xAC.txt", "C:\\\xC3\x9C\\", {}};
    view->Append(row);
    EXPECT_EQ(view->Row(1), row);
}

TEST_P(ListViewContract, IconKeyReadsBackAndCopiesToAnotherRow) {
    images->Add("dummy", IconImage::Filled(kBaseIconSide, 0xFFFFFF));
    images->Add("a.txt", IconImage::Filled(kBaseIconSide, 0x112233));
    images->Add("b.exe", IconImage::Filled(kBaseIconSide, 0x445566));
    view->AttachImages(images.get());
    view->Append(ListRow{"a.txt", "C:\\", "a.txt"});
    view->Append(ListRow{"b.exe", "C:\\", "b.exe"});
    view->Append(ListRow{"plain", "C:\\", {}});

    EXPECT_EQ(view->Row(1).iconKey, "a.txt");
    EXPECT_EQ(view->Row(2).iconKey, "b.exe");
    EXPECT_EQ(view->Row(3).iconKey, "");
    view->Insert(3, ListRow{"copy", "C:\\", view->Row(2).iconKey});
    EXPECT_EQ(view->Row(3).iconKey, "b.exe");
    EXPECT_EQ(view->Row(2).iconKey, "b.exe");
}

TEST_P(ListViewContract, ImageListKeysAreUnique) {
    EXPECT_EQ(images->Count(), 0);
    EXPECT_FALSE(images->Contains("dummy"));
    images->Add("dummy", IconImage::Filled(kBaseIconSide, 0xFFFFFF));
    images->Add("a.txt", IconImage::Filled(kBaseIconSide, 0x010203));
    images->Add("dummy", IconImage::Filled(kBaseIconSide, 0x000000));
    EXPECT_EQ(images->Count(), 2);
    EXPECT_TRUE(images->Contains("dummy"));
    EXPECT_TRUE(images->Contains("a.txt"));
    EXPECT_FALSE(images->Contains("A.TXT"));
}

TEST_P(ListViewContract, ImageListClearsAndRefills) {
    images->Add("dummy", IconImage::Filled(kBaseIconSide, 0xFFFFFF));
    images->Add("a.txt", IconImage::Filled(kBaseIconSide, 0x010203));
    images->Clear();
    EXPECT_EQ(images->Count(), 0);
    EXPECT_FALSE(images->Contains("a.txt"));
    images->Add("dummy", IconImage::Filled(kBaseIconSide, 0xFFFFFF));
    EXPECT_EQ(images->Count(), 1);
    EXPECT_TRUE(images->Contains("dummy"));
}

TEST_P(ListViewContract, ImageListCanBeDetachedClearedAndAttachedAgain) {
    images->Add("dummy", IconImage::Filled(kBaseIconSide, 0xFFFFFF));
    view->AttachImages(images.get());
    view->Append(ListRow{"x", "C:\\", "dummy"});
    view->AttachImages(nullptr);
    images->Clear();
    images->Add("dummy", IconImage::Filled(kBaseIconSide, 0xFFFFFF));
    view->AttachImages(images.get());
    EXPECT_EQ(view->Count(), 1);
    EXPECT_EQ(view->Row(1).text, "x");
    EXPECT_EQ(images->Count(), 1);
}

}  // namespace kelvo::contract
