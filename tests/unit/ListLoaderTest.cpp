#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/FakeDesktop.h"
#include "fakes/TestData.h"
#include "lists/EntryImages.h"
#include "store/Choices.h"
#include "lists/ListLoader.h"

namespace kelvo {
namespace {

class ListLoaderTest : public ::testing::Test {
protected:
    void Store(const std::string& section, const std::vector<ListEntry>& entries, const std::string& missing) {
        SeedList(desktop.store, section, entries);
        for (const ListEntry& entry : entries) {
            if (entry.name != missing) desktop.files.Add(entry.fullPath);
        }
    }
    static std::vector<std::string> Names(const FakeListView& view) {
        std::vector<std::string> names;
        for (const ListRow& row : view.rows) names.push_back(row.text);
        return names;
    }

    FakeDesktop desktop;
    DesktopState state;
};

TEST_F(ListLoaderTest, MissingFileIsSkippedButCounted) {
    Store(kDesktopSection, NumberedEntries(4, "d", "Desk"), "d2.txt");
    LoadDesktopView(desktop.parts, state);
    EXPECT_EQ(Names(desktop.listView1), (std::vector<std::string>{"d1.txt", "d3.txt", "d4.txt"}));
    EXPECT_EQ(desktop.listView1.rows[1], (ListRow{"d3.txt", "C:\\Desk\\", ""}));
    EXPECT_EQ(state.desktopCount, 4);
    EXPECT_EQ(desktop.listView1.repaints, 3);
    EXPECT_TRUE(desktop.listView2.rows.empty());
}

TEST_F(ListLoaderTest, CustomListFillsListViewTwo) {
    Store(kCustomSection, NumberedEntries(3, "c", "Custom"), "c3.txt");
    LoadCustomView(desktop.parts, state);
    EXPECT_EQ(Names(desktop.listView2), (std::vector<std::string>{"c1.txt", "c2.txt"}));
    EXPECT_EQ(state.customCount, 3);
    EXPECT_EQ(state.desktopCount, 0);
    EXPECT_TRUE(desktop.listView1.rows.empty());
}

TEST_F(ListLoaderTest, LocationWithoutTrailingBackslashReadsAsMissing) {
    desktop.store.Seed("Custom", "MenuChoice1", "a.txt%C:\\X%1");
    desktop.store.Seed("Custom", "MenuChoice2", "Done");
    desktop.files.Add("C:\\X\\a.txt");
    LoadCustomView(desktop.parts, state);
    EXPECT_TRUE(desktop.listView2.rows.empty());
    EXPECT_EQ(state.customCount, 1);
}

TEST_F(ListLoaderTest, EachAddedRowIsPaintedAtOnce) {
    Store(kCustomSection, NumberedEntries(2, "c", "Custom"), "");
    LoadCustomView(desktop.parts, state);
    auto first = std::find(desktop.log.begin(), desktop.log.end(), "listView2.Insert c1.txt");
    ASSERT_NE(first, desktop.log.end());
    EXPECT_EQ(*(first + 1), "listView2.Repaint");
}

TEST_F(ListLoaderTest, ImageResetLeavesOnlyTheBlankPictureAndTheRows) {
    desktop.listView1.Append(ListRow{"kept", "C:\\", "a.txt"});
    desktop.imageList1.Add("a.txt", Image16::Filled(0x123456));
    desktop.log.clear();
    ResetDesktopImages(desktop.parts);
    EXPECT_EQ(desktop.log, (CallLog{"listView1.DetachImages", "imageList1.Clear", "imageList1.Add dummy",
                                    "listView1.AttachImages"}));
    EXPECT_EQ(desktop.imageList1.keys, std::vector<std::string>{"dummy"});
    EXPECT_EQ(desktop.imageList1.pictures.at("dummy"), Image16::Filled(0xFFFFFF));
    EXPECT_EQ(desktop.listView1.attached, &desktop.imageList1);
    EXPECT_EQ(desktop.listView1.Count(), 1);
}

TEST_F(ListLoaderTest, CustomImageResetTouchesOnlyTheCustomList) {
    ResetCustomImages(desktop.parts);
    EXPECT_EQ(desktop.listView2.attached, &desktop.imageList2);
    EXPECT_EQ(desktop.imageList2.Count(), 1);
    EXPECT_EQ(desktop.listView1.attached, nullptr);
    EXPECT_EQ(desktop.imageList1.Count(), 0);
}

}  // namespace
}  // namespace kelvo
