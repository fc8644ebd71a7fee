#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "settings/Layout.h"

namespace kelvo::layout {
namespace {

bool Inside(const Control& inner, int width, int height) {
    return inner.left >= 0 && inner.top >= 0 && inner.left + inner.width <= width &&
           inner.top + inner.height <= height;
}

class FormLayoutTest : public ::testing::TestWithParam<const Form*> {};

TEST_P(FormLayoutTest, ContainersExistAndHoldTheirControls) {
    const Form& form = *GetParam();
    for (const Control& control : form.controls) {
        if (control.parent.empty()) continue;
        const Control& container = Find(form, control.parent);
        EXPECT_TRUE(container.kind == Kind::TabControl || container.kind == Kind::Panel)
            << control.name;
        // A tab control's contents must clear its lower edge, or it cuts them off.
        EXPECT_TRUE(Inside(control, container.width, container.height))
            << control.name << " sticks out of " << container.name;
        if (container.kind == Kind::Panel) {
            EXPECT_EQ(control.tabPage, container.tabPage) << control.name;
        }
    }
}

TEST_P(FormLayoutTest, TabOrderIsUnique) {
    std::set<int> seen;
    for (const Control& control : GetParam()->controls)
        if (control.tabOrder != kNoTabOrder) {
            EXPECT_TRUE(seen.insert(control.tabOrder).second) << control.name;
        }
}

INSTANTIATE_TEST_SUITE_P(Forms, FormLayoutTest, ::testing::Values(&Desktop(), &Wait(), &Logo()),
                         [](const auto& info) { return std::string(info.param->name); });

TEST(DesktopLayoutTest, OnlyTheHelpPaneAndPictureBoxesLieOutsideTheClientArea) {
    const Form& form = Desktop();
    for (const Control& control : form.controls) {
        if (!control.parent.empty()) continue;
        const bool hidden = control.name == "helpPane" || control.kind == Kind::PictureBox;
        EXPECT_EQ(Inside(control, form.clientWidth, form.clientHeight), !hidden) << control.name;
    }
    const Control& help = Find(form, "helpPane");
    EXPECT_TRUE(Inside(help, form.clientWidth + 2800, form.clientHeight))
        << "widening by 2800 twips brings the whole help pane into view";
}

TEST(DesktopLayoutTest, UnknownNamesThrow) {
    EXPECT_THROW(Find(Desktop(), "cmdNothing"), std::out_of_range);
    EXPECT_THROW(Find(Wait(), "desktopList"), std::out_of_range);
}

struct TwipsCase {
    int twips;
    int dpi;
    int pixels;
};

class TwipsTest : public ::testing::TestWithParam<TwipsCase> {};

TEST_P(TwipsTest, RoundsToTheNearestPixelSymmetrically) {
    EXPECT_EQ(TwipsToPixels(GetParam().twips, GetParam().dpi), GetParam().pixels);
    EXPECT_EQ(TwipsToPixels(-GetParam().twips, GetParam().dpi), -GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Cases, TwipsTest,
                         ::testing::Values(TwipsCase{6645, 96, 443}, TwipsCase{4110, 96, 274},
                                           TwipsCase{2800, 96, 187}, TwipsCase{2440, 96, 163},
                                           TwipsCase{6645, 120, 554}, TwipsCase{6645, 144, 665},
                                           TwipsCase{75, 96, 5}, TwipsCase{7, 96, 0},
                                           TwipsCase{8, 96, 1}));

TEST(FontSizeTest, PointsBecomePixelsAtTheDpi) {
    EXPECT_EQ(PointsToPixels(8.25, 96), 11);
    EXPECT_EQ(PointsToPixels(13.5, 96), 18);
    EXPECT_EQ(PointsToPixels(9.75, 96), 13);
    EXPECT_EQ(PointsToPixels(8.25, 144), 17);
}

}  // namespace
}  // namespace kelvo::layout
