#include <gtest/gtest.h>

#include "menus/FoundPictures.h"
#include "platform/Image.h"

namespace kelvo {
namespace {

IconPicture Picture(int icon, int side) {
    return IconPicture{icon, side, std::vector<std::uint32_t>(static_cast<std::size_t>(side * side), 1)};
}

TEST(FoundPicturesTest, EachAnswerGetsNumbersOfItsOwnAndKeepsTheSigns) {
    FoundPictures found;
    const std::vector<int> first = found.Take(IconAnswer{{0, 5, kUnavailableIcon, 0, kNoIcon}, {}, {Picture(0, 16)}}, {});
    ASSERT_EQ(first.size(), 5U);
    EXPECT_TRUE(FoundPictures::IsFound(first[0]));
    EXPECT_TRUE(FoundPictures::IsFound(first[1]));
    EXPECT_NE(first[0], first[1]);
    EXPECT_EQ(first[3], first[0]) << "all files of one icon share its number";
    EXPECT_EQ(first[2], kUnavailableIcon);
    EXPECT_EQ(first[4], kNoIcon);
    ASSERT_NE(found.Nearest(first[0], 16), nullptr);
    EXPECT_EQ(found.Nearest(first[1], 16), nullptr) << "icon 5 came without a picture";

    // The same index in a later answer is another icon: the lists changed.
    const std::vector<int> second = found.Take(IconAnswer{{0}, {}, {Picture(0, 16)}}, {});
    EXPECT_NE(second[0], first[0]);
    EXPECT_EQ(found.Nearest(first[0], 16), nullptr) << "the earlier answer's pictures are gone";
    EXPECT_NE(found.Nearest(second[0], 16), nullptr);
}

TEST(FoundPicturesTest, TheNearestSideServesAScaleThatWasNotDrawn) {
    struct Case {
        std::vector<int> drawn;
        int wanted;
        int served;
    };
    const Case cases[] = {{{16, 24, 32}, 24, 24}, {{16, 32}, 20, 32}, {{16, 20}, 32, 20}, {{32, 48}, 16, 32}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wanted);
        FoundPictures found;
        IconAnswer answer{{0}, {}, {}};
        for (int side : c.drawn) answer.pictures.push_back(Picture(0, side));
        const int icon = found.Take(answer, {})[0];
        ASSERT_NE(found.Nearest(icon, c.wanted), nullptr);
        EXPECT_EQ(found.Nearest(icon, c.wanted)->side, c.served);
    }
}

// Folders' rows show their types' icons, asked for as folders open: those
// stay while the lists, and with them the entries' pictures, change.
TEST(FoundPicturesTest, TypesFoundStayAcrossAnswers) {
    FoundPictures found;
    EXPECT_EQ(found.TypeIcon(".txt"), std::nullopt);
    const std::vector<int> entries =
        found.Take(IconAnswer{{4}, {4, kNoIcon}, {Picture(4, 16)}}, {".txt", ".odd"});
    ASSERT_TRUE(found.TypeIcon(".txt").has_value());
    EXPECT_EQ(*found.TypeIcon(".txt"), entries[0]) << "the entry's icon and its type's are one picture";
    EXPECT_EQ(found.TypeIcon(".odd"), kNoIcon) << "known to have none: not asked again";

    found.Take(IconAnswer{{}, {9}, {Picture(9, 16)}}, {"\\"});
    EXPECT_NE(found.Nearest(entries[0], 16), nullptr) << "an answer for types alone keeps the entries' pictures";
    found.Take(IconAnswer{{2}, {}, {Picture(2, 16)}}, {});
    const int text = *found.TypeIcon(".txt");
    EXPECT_NE(found.Nearest(text, 16), nullptr) << "the type's picture outlives the entries'";
    EXPECT_NE(found.Nearest(*found.TypeIcon("\\"), 16), nullptr);
}

}  // namespace
}  // namespace kelvo
