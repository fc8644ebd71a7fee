#include <gtest/gtest.h>

#include "menus/AskedIcons.h"
#include "platform/Image.h"

namespace kelvo {
namespace {

using Types = std::vector<std::string>;

// Every entry shows `icon`; the types show none, so that the entries'
// pictures are the only ones held.
IconAnswer AnswerWithIcon(int icon, std::size_t entries, std::size_t types) {
    return IconAnswer{std::vector<int>(entries, icon), std::vector<int>(types, kNoIcon),
                      {IconPicture{icon, 16, std::vector<std::uint32_t>(16 * 16, 1)}}};
}

class AskedIconsTest : public ::testing::Test {
protected:
    FoundPictures found;
    AskedIcons asked{found};
};

TEST_F(AskedIconsTest, EachTypeIsAskedOnce) {
    EXPECT_EQ(asked.NewRequest(1, {"C:\\a.txt", "C:\\b.TXT", "C:\\c.doc"}), (Types{"\\", ".txt", ".doc"}));
    EXPECT_FALSE(asked.Want(".txt")) << "on its way with the entries";
    EXPECT_TRUE(asked.Want(".png")) << "starts a batch";
    EXPECT_FALSE(asked.Want(".zip")) << "joins it";
    EXPECT_FALSE(asked.Want(".png"));
    EXPECT_EQ(asked.TakeWanted(), (Types{".png", ".zip"}));
    EXPECT_EQ(asked.NewRequest(2, {"C:\\d.txt", "C:\\e.ini"}), (Types{".ini"}));
}

// The start-up finder may answer after the finder of a quick OK, or before
// it: either way its pictures are for lists since rebuilt.
TEST_F(AskedIconsTest, AnAnswerToAnEarlierRequestChangesNothingKept) {
    for (const bool newerAnsweredFirst : {true, false}) {
        SCOPED_TRACE(newerAnsweredFirst);
        FoundPictures pictures;
        AskedIcons icons(pictures);
        const Types startUpTypes = icons.NewRequest(1, {"C:\\a.txt"});
        const Types okTypes = icons.NewRequest(2, {"C:\\a.txt", "C:\\b.doc"});
        std::optional<std::vector<int>> newer;
        if (newerAnsweredFirst) newer = icons.KeepEntries(2, okTypes, AnswerWithIcon(7, 2, okTypes.size()));

        EXPECT_EQ(icons.KeepEntries(1, startUpTypes, AnswerWithIcon(3, 1, startUpTypes.size())), std::nullopt);
        EXPECT_EQ(pictures.TypeIcon(".txt"), std::nullopt) << "the stale answer's types are not kept";
        if (newerAnsweredFirst) {
            ASSERT_TRUE(newer.has_value());
            EXPECT_NE(pictures.Nearest(newer->front(), 16), nullptr) << "the newer pictures stay";
            EXPECT_TRUE(pictures.TypeIcon(".doc").has_value());
        } else {
            EXPECT_EQ(pictures.TypeIcon(".doc"), std::nullopt);
        }
        EXPECT_TRUE(icons.Want(".txt")) << "left out of the newer request, a folder may ask for it";
    }
}

// A finder that failed once would most likely fail again: started at every
// folder opening, it would cost a process each time.
TEST_F(AskedIconsTest, TypesOfAFailedFinderAreAskedAgainOnlyForNewLists) {
    const Types types = asked.NewRequest(1, {"C:\\a.txt"});
    EXPECT_EQ(asked.KeepEntries(1, types, std::nullopt), std::nullopt);
    EXPECT_FALSE(asked.Want(".txt"));
    EXPECT_FALSE(asked.Want("\\"));

    EXPECT_TRUE(asked.Want(".png"));
    asked.KeepTypes(asked.TakeWanted(), std::nullopt);
    EXPECT_FALSE(asked.Want(".png")) << "the next folder opening starts no finder";

    EXPECT_EQ(asked.NewRequest(2, {"C:\\a.txt"}), (Types{"\\", ".txt"}));
    EXPECT_TRUE(asked.Want(".png"));
}

TEST_F(AskedIconsTest, TypesFoundAreNotAskedAgain) {
    const Types types = asked.NewRequest(1, {"C:\\a.txt"});
    ASSERT_TRUE(asked.KeepEntries(1, types, AnswerWithIcon(4, 1, types.size())).has_value());
    EXPECT_FALSE(asked.Want(".txt"));
    EXPECT_EQ(asked.NewRequest(2, {"C:\\a.txt"}), Types{});
}

}  // namespace
}  // namespace kelvo
