#include "settings/Layout.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace kelvo::layout {
namespace {

struct Place {
    std::string_view parent;
    int tabPage = kNoTabPage;
};
constexpr Place kClient{};
constexpr Place kPage0{"tabs", 0};
constexpr Place kPage1{"tabs", 1};
constexpr Place kPage2{"tabs", 2};
constexpr Place kPage3{"tabs", 3};
constexpr Place kAboutPanel{"panel", 2};
constexpr Place kNoticePanel{"panel", kNoTabPage};

constexpr Font kLargeFont{"MS Sans Serif", 13.5, false, false};
constexpr Font kLargeBoldFont{"MS Sans Serif", 13.5, true, false};
constexpr Font kTitleFont{"Arial", 9.75, true, true};

constexpr std::string_view kCredit = "By: KelvoTop team";
constexpr std::string_view kMail = "E-Mail: team@kelvotop.invalid";
constexpr std::string_view kVisit = "visit the KelvoTop project page";
constexpr std::string_view kAddress = "http://kelvotop.invalid/";

constexpr Control Make(Kind kind, std::string_view name, std::string_view text, int left, int top,
                       int width, int height, int tabOrder, Place place) {
    Control control;
    control.name = name;
    control.kind = kind;
    control.text = text;
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
    control.tabOrder = tabOrder;
    control.parent = place.parent;
    control.tabPage = place.tabPage;
    return control;
}

constexpr Control Button(std::string_view name, std::string_view text, int left, int top, int width,
                         int height, int tabOrder, Place place) {
    return Make(Kind::PushButton, name, text, left, top, width, height, tabOrder, place);
}

constexpr Control Label(std::string_view name, std::string_view text, int left, int top, int width,
                        int height, int tabOrder, Place place, Align align = Align::Left,
                        Font font = Font{}) {
    Control control = Make(Kind::Label, name, text, left, top, width, height, tabOrder, place);
    control.align = align;
    control.font = font;
    return control;
}

constexpr Control Coloured(Control control, Colour fore, Colour back) {
    control.fore = fore;
    control.back = back;
    return control;
}

constexpr Control Showing(Control control, Picture picture) {
    control.picture = picture;
    return control;
}

constexpr Colour kWindow = SystemColour(kSysWindow);
constexpr Colour kWindowText = SystemColour(kSysWindowText);

constexpr auto kDesktopControls = std::to_array<Control>({
    Make(Kind::TabControl, "tabs", "", 0, 0, 6615, 3690, 3, kClient),
    Button("cmdKelvoTopHelp", "Help", 75, 3750, 840, 315, 24, kClient),
    Button("cmdExit", "Exit", 2925, 3750, 1140, 315, 8, kClient),
    Button("cmdOK", "OK", 4200, 3750, 1140, 315, 7, kClient),
    Button("cmdCancel", "Cancel", 5475, 3750, 1140, 315, 5, kClient),
    Coloured(Make(Kind::TextBox, "helpPane", "Text1", 6675, 0, 2715, 4065, 25, kClient),
             SystemColour(kSysButtonText), Rgb(255, 255, 0)),
    Coloured(Make(Kind::PictureBox, "pixDummy", "", 5550, 6150, 240, 240, 1, kClient), kWindowText,
             kWindow),
    Coloured(Make(Kind::PictureBox, "pixSmall", "", 2100, 5475, 240, 240, 0, kClient), kWindowText,
             kWindow),

    Coloured(Make(Kind::ListView, "desktopList", "", 225, 525, 5190, 2640, 4, kPage0), Rgb(0, 0, 128),
             Rgb(255, 255, 255)),
    Button("cmdDesktopMoveUp", "Up", 5625, 825, 765, 315, 12, kPage0),
    Label("Label1", "Move", 5625, 1200, 765, 240, 14, kPage0, Align::Centre),
    Button("cmdDesktopMoveDown", "Down", 5625, 1500, 765, 315, 13, kPage0),
    Button("cmdDesktopRemoveItem", "Remove", 5625, 2175, 765, 315, 9, kPage0),
    Button("cmdLoadDeskTop", "Load DeskTop ", 4125, 3300, 2265, 315, 10, kPage0),

    Coloured(Make(Kind::ListView, "customList", "", 150, 750, 5265, 2715, 11, kPage1), kWindowText,
             kWindow),
    Button("cmdCustomMoveUp", "Up", 5625, 1125, 765, 315, 19, kPage1),
    Label("Label5", "Move", 5625, 1500, 765, 240, 21, kPage1, Align::Centre),
    Button("cmdCustomMoveDown", "Down", 5625, 1800, 765, 315, 20, kPage1),
    Button("cmdCustomRemoveItem", "Remove", 5625, 2475, 765, 315, 22, kPage1),
    // Raised to the height of "Load DeskTop " so the tab's lower edge does not cut it off.
    Button("cmdStartExplorer", "Launch Explorer", 4125, 3300, 2265, 315, 23, kPage1),

    Make(Kind::Panel, "panel", "", 1500, 600, 3690, 1440, 15, kPage2),
    Label("Label7(0)", "To get more information and the latest version", 300, 2175, 6090, 390, 27,
          kPage2, Align::Centre, kLargeFont),
    Label("Label7(1)", kVisit, 300, 2550, 6090, 390, 28, kPage2, Align::Centre, kLargeFont),
    Label("Label6(0)", kAddress, 450, 2925, 5940, 465, 26, kPage2, Align::Left, kLargeBoldFont),

    Showing(Make(Kind::Image, "Image1", "", 225, 375, 480, 480, kNoTabOrder, kAboutPanel),
            Picture::ProgramIcon),
    Label("Label3", "Kelvo Desktop", 1275, 525, 1665, 315, 16, kAboutPanel, Align::Left, kTitleFont),
    Label("Label4", "Beta 3.1", 2925, 150, 615, 240, 18, kAboutPanel),
    Label("Label2", kCredit, 1275, 825, 1740, 240, 17, kAboutPanel),
    Label("Label10(0)", kMail, 675, 1050, 2790, 240, 34, kAboutPanel, Align::Centre),

    Make(Kind::CheckBox, "chkStartAtSignIn", "Start KelvoTop when I sign in", 225, 600, 5040, 315, 35, kPage3),
    Label("lblMenuKey", "Key to open the menu", 225, 1170, 1950, 240, 36, kPage3),
    Make(Kind::HotKey, "hkyMenuKey", "", 2250, 1125, 2265, 315, 37, kPage3),
    Make(Kind::CheckBox, "chkFolderMenus", "Show folders as submenus", 225, 1650, 5040, 315, 38, kPage3),
    Make(Kind::CheckBox, "chkMenuIcons", "Show icons in the menu", 225, 2130, 5040, 315, 39, kPage3),
});

constexpr auto kWaitControls = std::to_array<Control>({
    [] {
        Control panel = Coloured(Make(Kind::Panel, "panel", "Please Wait..... Updating Your Choices  ",
                                      -75, 0, 3615, 765, kNoTabOrder, kClient),
                                 Rgb(0, 0, 0), Rgb(0, 128, 128));
        // Right-aligned: the trailing blanks keep the text off the edge and clear of the icon.
        panel.align = Align::Right;
        return panel;
    }(),
    Showing(Make(Kind::Image, "Image1", "", 150, 150, 480, 480, kNoTabOrder, kNoticePanel),
            Picture::WaitIcon),
});

constexpr auto kLogoControls = std::to_array<Control>({
    Make(Kind::Panel, "panel", "", 0, 0, 3450, 1365, kNoTabOrder, kClient),
    Showing(Make(Kind::Image, "Image1", "", 225, 375, 480, 480, kNoTabOrder, kNoticePanel),
            Picture::ProgramIcon),
    Label("Label3", "Kelvo Desktop", 1275, 525, 1665, 315, kNoTabOrder, kNoticePanel, Align::Left,
          kTitleFont),
    Label("Label2", kCredit, 1275, 825, 1740, 240, kNoTabOrder, kNoticePanel),
    Label("Label1", "Beta 3", 2775, 150, 540, 240, kNoTabOrder, kNoticePanel),
});

constexpr auto kTabCaptions =
    std::to_array<std::string_view>({"Desktop KelvoMenu", "Custom KelvoMenu", "About", "Options"});

constexpr auto kColumns = std::to_array<Column>({
    {"Program Name", 1440, Align::Left},
    {"Program Location", 2440, Align::Left},
});

const Form kDesktop{"settings", "KelvoTop", 6645, 4110, kDesktopControls};
const Form kWait{"waitNotice", "", 3540, 720, kWaitControls};
const Form kLogo{"splash", "", 3450, 1365, kLogoControls};

}  // namespace

const Form& Desktop() { return kDesktop; }
const Form& Wait() { return kWait; }
const Form& Logo() { return kLogo; }

std::span<const std::string_view> TabCaptions() { return kTabCaptions; }
std::span<const Column> ListColumns() { return kColumns; }

const Control& Find(const Form& form, std::string_view name) {
    for (const Control& control : form.controls)
        if (control.name == name) return control;
    throw std::out_of_range("no control " + std::string(name) + " on " + std::string(form.name));
}

int TwipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

int PointsToPixels(double points, int dpi) {
    return static_cast<int>(std::lround(points * dpi / 72.0));
}

}  // namespace kelvo::layout
