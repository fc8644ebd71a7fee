#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kelvo::e2e {
namespace {

// What `window` shows on the screen, pixel by pixel: 0x00RRGGBB.
struct Shot {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};

Shot ShotOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    Shot shot{rect.right - rect.left, rect.bottom - rect.top, {}};
    shot.pixels.resize(static_cast<std::size_t>(shot.width) * static_cast<std::size_t>(shot.height));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, shot.width, shot.height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = shot.width;
    format.bmiHeader.biHeight = -shot.height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(shot.height), shot.pixels.data(), &format, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (std::uint32_t& pixel : shot.pixels) pixel &= 0x00FFFFFF;
    return shot;
}

// Pixels of the red "unavailable" sign.
int RedPixels(const Shot& shot) {
    int red = 0;
    for (std::uint32_t pixel : shot.pixels) {
        red += (pixel >> 16) >= 0xB0 && ((pixel >> 8) & 0xFF) < 0x50 && (pixel & 0xFF) < 0x50;
    }
    return red;
}

constexpr std::uint32_t kTextColour = 0x000000;

// Pixels of a picture at the start of the popup's rows, inside its frame,
// where a row's picture goes and where, without one, its text begins:
// neither the menu's background, its most common colour, nor a line across
// the row, such as a separator, nor the text.
int MarginPicturePixels(const Shot& shot) {
    std::map<std::uint32_t, int> counts;
    for (std::uint32_t pixel : shot.pixels) ++counts[pixel];
    const auto background = std::max_element(counts.begin(), counts.end(),
                                              [](const auto& a, const auto& b) { return a.second < b.second; });
    int picture = 0;
    for (int y = 4; y < shot.height - 4; ++y) {
        const std::uint32_t acrossTheRow = shot.At(shot.width - 8, y);
        for (int x = 4; x < 34 && x < shot.width; ++x) {
            const std::uint32_t pixel = shot.At(x, y);
            picture += pixel != background->first && pixel != acrossTheRow && pixel != kTextColour;
        }
    }
    return picture;
}

// The program resident with a custom list of a text file of the fixture
// folder and a file on a drive that is not there, which shows the red
// "unavailable" sign once the icons are found.
class MenuIconsE2eTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearStore();
        RouteTextFilesToRecorder();
        folder.AddFile(L"Readme.txt");
        StoreList(L"Custom", {folder.ChoiceFor(L"Readme.txt"), L"Gone.txt%R:\\%1"});
        StoreList(L"Desktop", {});
    }
    void Start() {
        kelvo = std::make_unique<KelvoProcess>();
        tray = kelvo->WaitUntilResident();
        ASSERT_NE(tray, nullptr);
    }
    void Close(HWND popup) {
        PressKeys(popup, {VK_ESCAPE});
        WaitUntil([&] { return VisiblePopupOf(kelvo->Id()) == nullptr; });
    }
    // Shows the popup until `shows` holds for it, as the icons come after
    // start-up: true once it does.
    bool ShowUntil(const std::function<bool(const Shot&)>& shows) {
        return WaitUntil([&] {
            HWND popup = ShowPopupOf(tray, kelvo->Id());
            if (popup == nullptr) return false;
            const bool seen = shows(ShotOf(popup));
            Close(popup);
            return seen;
        });
    }
    static void StoreIconsOff() {
        HKEY options = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\KelvoDesktop\\Options",
                                  0, nullptr, 0, KEY_SET_VALUE, nullptr, &options, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(options, L"MenuIcons", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"0"), 2 * sizeof(wchar_t));
        RegCloseKey(options);
    }

    FixtureFolder folder;
    std::unique_ptr<KelvoProcess> kelvo;
    HWND tray = nullptr;
};

TEST_F(MenuIconsE2eTest, TheRowsShowTheirIconsOnceFoundAndAnEntryOpensAsBefore) {
    Start();
    ASSERT_TRUE(ShowUntil([](const Shot& shot) { return RedPixels(shot) > 10; }))
        << "the entry on the missing drive shows the unavailable sign";
    ASSERT_TRUE(ShowUntil([](const Shot& shot) { return MarginPicturePixels(shot) > 100; }))
        << "the text file shows its icon";
    EXPECT_EQ(OpenFromPopup(tray, kelvo->Id(), {VK_DOWN, VK_RETURN}), folder.Path() + L"Readme.txt");
}

// With the option on, the icons show some time after start-up; with it
// off they do not show even after three times as long.
TEST_F(MenuIconsE2eTest, WithTheOptionOffTheRowsShowNoPictures) {
    Start();
    const ULONGLONG resident = GetTickCount64();
    ASSERT_TRUE(ShowUntil([](const Shot& shot) { return RedPixels(shot) > 10; }));
    const ULONGLONG iconsTook = GetTickCount64() - resident;
    kelvo->Kill();
    RemoveIconOf(tray);

    StoreIconsOff();
    Start();
    Sleep(static_cast<DWORD>(3 * iconsTook + 500));
    HWND popup = ShowPopupOf(tray, kelvo->Id());
    ASSERT_NE(popup, nullptr);
    const Shot shot = ShotOf(popup);
    Close(popup);
    EXPECT_EQ(RedPixels(shot), 0);
    EXPECT_EQ(MarginPicturePixels(shot), 0);
    EXPECT_EQ(OpenFromPopup(tray, kelvo->Id(), {VK_DOWN, VK_RETURN}), folder.Path() + L"Readme.txt");
}

}  // namespace
}  // namespace kelvo::e2e
