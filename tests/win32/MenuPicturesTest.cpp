#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "menus/MenuIds.h"
#include "menus/MenuLevel.h"
#include "menus/MenuPictures.h"
#include "menus/FoundPictures.h"
#include "platform/win32/LateLibraries.h"
#include "platform/win32/MenuBitmaps.h"
#include "platform/win32/PixelSurface.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32Popup.h"
#include "platform/win32/Win32ShellInfo.h"
#include "platform/win32/WineCheck.h"

namespace kelvo {
namespace {

// The picture the row at `pos` shows, whether in its bitmap or, drawn by
// the owner, in its data; nullptr for none.
HBITMAP PictureOf(HMENU menu, int pos) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP | MIIM_DATA;
    GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &info);
    if (info.hbmpItem == HBMMENU_CALLBACK) return reinterpret_cast<HBITMAP>(info.dwItemData);
    return info.hbmpItem;
}

// Each pixel as the bitmap holds it: blue, green, red, alpha.
std::vector<std::uint32_t> PixelsOf(HBITMAP picture, int side) {
    BITMAPINFO format = TopDownFormat(side);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, picture, 0, static_cast<UINT>(side), pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Premultiplied: no colour byte exceeds the pixel's alpha.
bool Premultiplied(const std::vector<std::uint32_t>& pixels) {
    for (std::uint32_t pixel : pixels) {
        const std::uint32_t alpha = pixel >> 24;
        if ((pixel & 0xFF) > alpha || ((pixel >> 8) & 0xFF) > alpha || ((pixel >> 16) & 0xFF) > alpha) return false;
    }
    return true;
}

int OpaquePixels(const std::vector<std::uint32_t>& pixels) {
    int opaque = 0;
    for (std::uint32_t pixel : pixels) opaque += (pixel >> 24) == 0xFF;
    return opaque;
}

// A popup of two text files, an entry that cannot be reached, Properties
// without a picture, and "DeskTop" holding a third text file.
class MenuPicturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnterComApartment();
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        textFile = Narrow(folder) + "kelvo picture test.txt";
        std::ofstream(Widen(textFile).c_str()) << "text";
        Win32ShellInfo shell;
        const auto described = shell.Describe(textFile);
        ASSERT_TRUE(described.has_value());
        // Drawn at each scale's side, as the icon finder draws them.
        IconAnswer drawn{{described->iconIndex}, {}, {}};
        for (int side : {16, 24, 32}) {
            auto pixels = ShellIconPixels(described->iconIndex, side);
            ASSERT_TRUE(pixels.has_value()) << side;
            drawn.pictures.push_back(IconPicture{described->iconIndex, side, std::move(*pixels)});
        }
        textIcon = found.Take(std::move(drawn), {})[0];

        level.InsertSeparator(0);
        level.InsertCommand(1, kCustomIdBase + 1, "a.txt", textIcon);
        level.InsertCommand(2, kCustomIdBase + 2, "b.txt", textIcon);
        level.InsertCommand(3, kCustomIdBase + 3, "away.txt", kUnavailableIcon);
        level.InsertSubmenu(4, "DeskTop").InsertCommand(0, kDesktopIdBase + 1, "c.txt", textIcon);
        level.InsertCommand(5, kPropertiesId, "Properties");
    }
    void TearDown() override { DeleteFileW(Widen(textFile).c_str()); }

    std::string textFile;
    FoundPictures found;
    int textIcon = 0;
    MenuLevel level;
};

TEST_F(MenuPicturesTest, RowsShareOneBitmapPerIconOfTheSideOfEachScale) {
    const struct {
        int dpi;
        int side;
    } scales[] = {{96, 16}, {144, 24}, {192, 32}};
    for (const auto& scale : scales) {
        SCOPED_TRACE(scale.dpi);
        Win32Popup popup(nullptr, found);
        HeldPictures held;
        HoldPictures(held, popup, level, scale.dpi);
        popup.Prepare(level);
        HMENU menu = popup.Menu();
        HMENU desk = GetSubMenu(menu, 4);
        const HBITMAP text = PictureOf(menu, 1);
        const HBITMAP away = PictureOf(menu, 3);
        ASSERT_NE(text, nullptr);
        ASSERT_NE(away, nullptr);
        EXPECT_EQ(PictureOf(menu, 2), text);
        EXPECT_EQ(PictureOf(desk, 0), text) << "shared with the submenu's rows";
        EXPECT_NE(away, text);
        EXPECT_EQ(PictureOf(menu, 0), nullptr);
        EXPECT_EQ(PictureOf(menu, 4), nullptr) << "\"DeskTop\" keeps its text alone";
        EXPECT_EQ(PictureOf(menu, 5), nullptr) << "\"Properties\" keeps its text alone";
        for (HBITMAP picture : {text, away}) {
            BITMAP facts{};
            ASSERT_NE(GetObjectW(picture, sizeof facts, &facts), 0);
            EXPECT_EQ(facts.bmWidth, scale.side);
            EXPECT_EQ(facts.bmHeight, scale.side);
            EXPECT_EQ(facts.bmBitsPixel, 32);
            const std::vector<std::uint32_t> pixels = PixelsOf(picture, scale.side);
            EXPECT_TRUE(Premultiplied(pixels));
            EXPECT_GT(OpaquePixels(pixels), 0) << "the icon shows";
        }
        EXPECT_EQ(PixelsOf(away, scale.side).front() >> 24, 0u) << "the sign's corner lets the row show through";
    }
}

TEST_F(MenuPicturesTest, PicturesNoRowShowsAreFreedAndTheRowsShowNone) {
    Win32Popup popup(nullptr, found);
    HeldPictures held;
    HoldPictures(held, popup, level, 96);
    popup.Prepare(level);
    const HBITMAP text = PictureOf(popup.Menu(), 1);
    const HBITMAP away = PictureOf(popup.Menu(), 3);

    // The lists changed: the rows have no icon (yet).
    MenuLevel without;
    without.InsertSeparator(0);
    without.InsertCommand(1, kCustomIdBase + 1, "a.txt");
    without.InsertCommand(2, kCustomIdBase + 2, "b.txt");
    without.InsertCommand(3, kCustomIdBase + 3, "away.txt", kUnavailableIcon);
    HoldPictures(held, popup, without, 96);
    popup.Prepare(without);
    EXPECT_EQ(PictureOf(popup.Menu(), 1), nullptr);
    EXPECT_EQ(PictureOf(popup.Menu(), 2), nullptr);
    EXPECT_EQ(PictureOf(popup.Menu(), 3), away) << "still shown, so kept";
    BITMAP facts{};
    EXPECT_EQ(GetObjectW(text, sizeof facts, &facts), 0) << "freed";
}

// The entries' icons come drawn by the finder process, at the monitors'
// scales; another scale takes the nearest, drawn to its side.
TEST_F(MenuPicturesTest, PicturesFoundElsewhereShowAtEveryScale) {
    const std::uint32_t opaqueRed = 0xFFFF0000;
    const int icon = found.Take(IconAnswer{{0}, {}, {{0, 16, std::vector<std::uint32_t>(16 * 16, opaqueRed)}}}, {})[0];
    MenuLevel entries;
    entries.InsertCommand(0, kCustomIdBase + 1, "a.txt", icon);
    entries.InsertCommand(1, kCustomIdBase + 2, "a longer name.csv", kBlankIcon);
    for (const auto& [dpi, side] : {std::pair{96, 16}, std::pair{192, 32}}) {
        SCOPED_TRACE(dpi);
        Win32Popup popup(nullptr, found);
        HeldPictures held;
        HoldPictures(held, popup, entries, dpi);
        popup.Prepare(entries);
        const HBITMAP picture = PictureOf(popup.Menu(), 0);
        ASSERT_NE(picture, nullptr);
        const std::vector<std::uint32_t> pixels = PixelsOf(picture, side);
        EXPECT_EQ(PictureSize(picture).cx, side);
        EXPECT_EQ(pixels[pixels.size() / 2], opaqueRed);
        // A row whose icon is not known keeps its room, and shows nothing there.
        const HBITMAP blank = PictureOf(popup.Menu(), 1);
        ASSERT_NE(blank, nullptr);
        EXPECT_EQ(PictureSize(blank).cx, side);
        const std::vector<std::uint32_t> blankPixels = PixelsOf(blank, side);
        EXPECT_EQ(std::count(blankPixels.begin(), blankPixels.end(), 0u), side * side);
    }
}

// Windows' menu manager blends a row's bitmap itself; Wine's does not, so
// there the row is drawn by its owner and its data holds the picture.
TEST_F(MenuPicturesTest, EachSystemIsHandedThePicturesAsItShowsThem) {
    const struct {
        const char* system;
        bool wine;
    } systems[] = {{"Windows", false}, {"Wine", true}};
    for (const auto& system : systems) {
        SCOPED_TRACE(system.system);
        const WineAnswerOverride answer(system.wine);
        Win32Popup popup(nullptr, found);
        HeldPictures held;
        HoldPictures(held, popup, level, 96);
        popup.Prepare(level);
        MENUITEMINFOW row{};
        row.cbSize = sizeof row;
        row.fMask = MIIM_BITMAP | MIIM_DATA;
        ASSERT_TRUE(GetMenuItemInfoW(popup.Menu(), 1, TRUE, &row));
        EXPECT_EQ(row.hbmpItem == HBMMENU_CALLBACK, system.wine);
        const auto picture = system.wine ? reinterpret_cast<HBITMAP>(row.dwItemData) : row.hbmpItem;
        EXPECT_EQ(PictureSize(picture).cx, 16) << "the row's picture itself";
    }
}

// Where the menu manager does not blend bitmaps, the owner is asked for the
// picture's size and draws it; a row the owner does not know is left alone.
TEST_F(MenuPicturesTest, OwnerAnswersForItsOwnPicturesOnly) {
    Win32Popup popup(nullptr, found);
    HeldPictures held;
    HoldPictures(held, popup, level, 144);
    popup.Prepare(level);
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = reinterpret_cast<ULONG_PTR>(PictureOf(popup.Menu(), 1));
    ASSERT_TRUE(popup.AnswerPictureMessage(WM_MEASUREITEM, reinterpret_cast<LPARAM>(&measure)));
    EXPECT_EQ(measure.itemHeight, 24u);
    EXPECT_GE(measure.itemWidth, 24u);

    MEASUREITEMSTRUCT stranger{};
    stranger.CtlType = ODT_MENU;
    stranger.itemData = 12345;
    EXPECT_FALSE(popup.AnswerPictureMessage(WM_MEASUREITEM, reinterpret_cast<LPARAM>(&stranger)));
}

}  // namespace
}  // namespace kelvo
