#pragma once
#include <cstdint>
#include <span>
#include <string_view>

// The three windows' layout as data: positions and sizes in twips
// (1/1440 inch), measured from the top-left corner of the container.
namespace kelvo::layout {

enum class Kind { TabControl, PushButton, Label, TextBox, PictureBox, ListView, Panel, Image, CheckBox, HotKey };
enum class Align { Left, Centre, Right };
// What an image control shows.
enum class Picture { None, ProgramIcon, WaitIcon };

// Either a system colour (by its index, as GetSysColor numbers them) or an
// RGB value.
struct Colour {
    int systemIndex = -1;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool IsSystem() const { return systemIndex >= 0; }
    bool operator==(const Colour&) const = default;
};
constexpr Colour SystemColour(int index) { return Colour{index, 0, 0, 0}; }
constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return Colour{-1, r, g, b}; }

inline constexpr int kSysWindow = 5;
inline constexpr int kSysWindowText = 8;
inline constexpr int kSysButtonFace = 15;
inline constexpr int kSysButtonText = 18;

struct Font {
    std::string_view face = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool operator==(const Font&) const = default;
};

inline constexpr int kNoTabOrder = -1;
inline constexpr int kNoTabPage = -1;

struct Control {
    std::string_view name;
    Kind kind = Kind::Label;
    std::string_view text;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tabOrder = kNoTabOrder;
    // Name of the container control; empty for the window's client area.
    std::string_view parent;
    // Tab page that shows the control (also for a panel's contents), or
    // kNoTabPage when it does not belong to a tab.
    int tabPage = kNoTabPage;
    Font font{};
    Colour fore = SystemColour(kSysButtonText);
    Colour back = SystemColour(kSysButtonFace);
    Align align = Align::Left;
    Picture picture = Picture::None;
};

struct Column {
    std::string_view header;
    int width = 0;
    Align align = Align::Left;
};

struct Form {
    std::string_view name;
    std::string_view caption;
    int clientWidth = 0;
    int clientHeight = 0;
    std::span<const Control> controls;
};

const Form& Desktop();
const Form& Wait();
const Form& Logo();

// Captions of the tabs' pages, in order.
std::span<const std::string_view> TabCaptions();
// Columns of both list views, in order.
std::span<const Column> ListColumns();

// The named control; throws std::out_of_range for an unknown name.
const Control& Find(const Form& form, std::string_view name);

// Twips to pixels at `dpi` dots per inch, rounded to the nearest pixel
// (halves away from zero, so a widening and the same narrowing cancel).
int TwipsToPixels(int twips, int dpi);
// Pixel height of a font of `points` points at `dpi`, rounded.
int PointsToPixels(double points, int dpi);

}  // namespace kelvo::layout
