#include "platform/win32/Win32Popup.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <cwchar>
#include <set>
#include <vector>

#include "menus/MenuLevel.h"
#include "menus/MenuPictures.h"
#include "platform/win32/MenuBitmaps.h"
#include "platform/win32/SystemLibraries.h"
#include "platform/win32/Twips.h"
#include "platform/win32/Utf8.h"

namespace kelvo {

std::wstring LiteralCaption(const std::string& text) {
    std::wstring caption;
    for (wchar_t c : Widen(text)) {
        if (c == L'&') caption += L'&';
        caption += c;
    }
    return caption;
}

// One row of the system menu as it was last set.
struct ShownRow {
    MenuItemKind kind = MenuItemKind::Command;
    int id = 0;
    std::wstring caption;
    std::unique_ptr<ShownLevel> submenu;
    HBITMAP picture = nullptr;
};

// A system menu and what its rows hold, so a new preparation can compare
// instead of rebuilding: the menu manager copies a level's whole row array
// for every row inserted, so building n rows costs n² under Wine.
struct ShownLevel {
    HMENU handle = nullptr;
    std::vector<ShownRow> rows;
};

// The rows' pictures and how the menu manager shows them: in the row's
// bitmap where it blends them, else drawn by the owner onto the row as the
// menu manager has painted it, normal or highlighted.
struct RowPictures {
    const MenuBitmaps* bitmaps = nullptr;
    bool drawnByOwner = false;

    HBITMAP Of(const MenuItem& row) const {
        return bitmaps != nullptr && row.icon != kNoIcon ? bitmaps->Of(row.icon) : nullptr;
    }
};

namespace {

void Update(ShownLevel& shown, const MenuLevel& wanted, const RowPictures& pictures);

// A new system menu with no rows yet.
std::unique_ptr<ShownLevel> EmptyLevel() {
    auto level = std::make_unique<ShownLevel>();
    level->handle = CreatePopupMenu();
    return level;
}

bool HasCaption(MenuItemKind kind) {
    return kind == MenuItemKind::Command || kind == MenuItemKind::Submenu || kind == MenuItemKind::Notice;
}

UINT FlagsOf(MenuItemKind kind) {
    switch (kind) {
    case MenuItemKind::Separator: return MF_SEPARATOR;
    case MenuItemKind::ColumnBreak: return MF_SEPARATOR | MF_MENUBARBREAK;
    case MenuItemKind::Submenu: return MF_POPUP;
    case MenuItemKind::Notice: return MF_STRING | MF_GRAYED;
    case MenuItemKind::Command: break;
    }
    return MF_STRING;
}

// Shows `picture` in the row at `pos`, or none for nullptr. Drawn by the
// owner, the row's data holds the picture to draw.
void SetPicture(HMENU menu, int pos, HBITMAP picture, const RowPictures& pictures) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = picture;
    if (pictures.drawnByOwner) {
        info.fMask |= MIIM_DATA;
        info.hbmpItem = picture ? HBMMENU_CALLBACK : nullptr;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(picture);
    }
    SetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &info);
}

void RefreshPicture(HMENU menu, int pos, ShownRow& row, HBITMAP wanted, const RowPictures& pictures) {
    if (row.picture == wanted) return;
    SetPicture(menu, pos, wanted, pictures);
    row.picture = wanted;
}

ShownRow InsertRow(HMENU menu, int pos, const MenuItem& item, const RowPictures& pictures) {
    ShownRow row{item.kind, item.id, HasCaption(item.kind) ? LiteralCaption(item.text) : L"", nullptr};
    // Command ids are whole ints; the menu keeps them in full.
    auto idOrSubmenu = static_cast<UINT_PTR>(static_cast<UINT>(item.id));
    if (item.kind == MenuItemKind::Submenu) {
        row.submenu = EmptyLevel();
        Update(*row.submenu, *item.submenu, pictures);
        idOrSubmenu = reinterpret_cast<UINT_PTR>(row.submenu->handle);
    }
    InsertMenuW(menu, static_cast<UINT>(pos), MF_BYPOSITION | FlagsOf(item.kind), idOrSubmenu,
                HasCaption(item.kind) ? row.caption.c_str() : nullptr);
    RefreshPicture(menu, pos, row, pictures.Of(item), pictures);
    return row;
}

void SetRow(HMENU menu, int pos, UINT mask, int id, const std::wstring& caption) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    info.wID = static_cast<UINT>(id);
    info.dwTypeData = const_cast<wchar_t*>(caption.c_str());
    SetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &info);
}

// Brings a row that already has the wanted kind and id up to date.
void RefreshRow(ShownLevel& shown, int pos, const MenuItem& wanted, const RowPictures& pictures) {
    ShownRow& row = shown.rows[static_cast<std::size_t>(pos)];
    if (HasCaption(wanted.kind)) {
        std::wstring caption = LiteralCaption(wanted.text);
        if (caption != row.caption) SetRow(shown.handle, pos, MIIM_STRING, 0, caption);
        row.caption = std::move(caption);
    }
    RefreshPicture(shown.handle, pos, row, pictures.Of(wanted), pictures);
    if (row.submenu) Update(*row.submenu, *wanted.submenu, pictures);
}

// Makes the row at `pos` the wanted one: a command only changes its id and
// caption, any other row is replaced.
void ReplaceRow(ShownLevel& shown, int pos, const MenuItem& wanted, const RowPictures& pictures) {
    ShownRow& row = shown.rows[static_cast<std::size_t>(pos)];
    if (row.kind == MenuItemKind::Command && wanted.kind == MenuItemKind::Command) {
        std::wstring caption = LiteralCaption(wanted.text);
        SetRow(shown.handle, pos, MIIM_ID | MIIM_STRING, wanted.id, caption);
        row.id = wanted.id;
        row.caption = std::move(caption);
        RefreshPicture(shown.handle, pos, row, pictures.Of(wanted), pictures);
        return;
    }
    DeleteMenu(shown.handle, static_cast<UINT>(pos), MF_BYPOSITION);
    row = InsertRow(shown.handle, pos, wanted, pictures);
}

bool SameSlot(const ShownRow& row, const MenuItem& item) {
    return row.kind == item.kind && row.id == item.id;
}

// Rows that keep their kind and id at the start and at the end are
// refreshed in place; the rows between them are replaced pairwise, and the
// surplus is deleted or inserted there.
void Update(ShownLevel& shown, const MenuLevel& wanted, const RowPictures& pictures) {
    const int had = static_cast<int>(shown.rows.size());
    const int wants = wanted.Count();
    int head = 0;
    while (head < std::min(had, wants) && SameSlot(shown.rows[static_cast<std::size_t>(head)], wanted.At(head))) {
        RefreshRow(shown, head, wanted.At(head), pictures);
        ++head;
    }
    int tail = 0;
    while (tail < std::min(had, wants) - head &&
           SameSlot(shown.rows[static_cast<std::size_t>(had - 1 - tail)], wanted.At(wants - 1 - tail))) {
        ++tail;
    }
    const int paired = std::min(had, wants) - head - tail;
    for (int pos = head; pos < head + paired; ++pos) ReplaceRow(shown, pos, wanted.At(pos), pictures);
    for (int pos = had - tail - 1; pos >= head + paired; --pos) {
        DeleteMenu(shown.handle, static_cast<UINT>(pos), MF_BYPOSITION);
        shown.rows.erase(shown.rows.begin() + pos);
    }
    for (int pos = head + paired; pos < wants - tail; ++pos) {
        shown.rows.insert(shown.rows.begin() + pos, InsertRow(shown.handle, pos, wanted.At(pos), pictures));
    }
    for (int pos = wants - tail; pos < wants; ++pos) RefreshRow(shown, pos, wanted.At(pos), pictures);
}

// A folder's row carries its command id; any other submenu's is -1.
bool IsFolderRow(const ShownRow& row) {
    return row.submenu && row.id > 0;
}

// The submenu of the folder row with `id`, at any depth of `level`.
ShownLevel* FolderLevel(ShownLevel& level, int id) {
    for (ShownRow& row : level.rows) {
        if (!row.submenu) continue;
        if (row.id == id) return row.submenu.get();
        if (ShownLevel* found = FolderLevel(*row.submenu, id)) return found;
    }
    return nullptr;
}

// `menu` among the submenus of `level`, whose own submenus show as level
// `depth`.
std::optional<FolderOpening> FindFolder(const ShownLevel& level, HMENU menu, int depth) {
    for (const ShownRow& row : level.rows) {
        if (!row.submenu) continue;
        if (row.submenu->handle == menu) {
            if (!IsFolderRow(row)) return std::nullopt;
            return FolderOpening{row.id, depth};
        }
        if (auto found = FindFolder(*row.submenu, menu, depth + 1)) return found;
    }
    return std::nullopt;
}

// The level of `level`, itself included, whose system menu is `menu`.
const ShownLevel* LevelOfMenu(const ShownLevel& level, HMENU menu) {
    if (level.handle == menu) return &level;
    for (const ShownRow& row : level.rows) {
        if (!row.submenu) continue;
        if (const ShownLevel* found = LevelOfMenu(*row.submenu, menu)) return found;
    }
    return nullptr;
}

// Empties every folder's submenu, which frees the rows filled in it.
void EmptyFolders(ShownLevel& level) {
    for (ShownRow& row : level.rows) {
        if (!row.submenu) continue;
        if (IsFolderRow(row)) {
            Update(*row.submenu, MenuLevel(), RowPictures{});
        } else {
            EmptyFolders(*row.submenu);
        }
    }
}

// Rows that show one of `pictures` show none from now on.
void TakeOff(ShownLevel& level, const std::set<HBITMAP>& pictures, const RowPictures& shownWith) {
    for (std::size_t pos = 0; pos < level.rows.size(); ++pos) {
        ShownRow& row = level.rows[pos];
        if (row.picture && pictures.contains(row.picture)) {
            RefreshPicture(level.handle, static_cast<int>(pos), row, nullptr, shownWith);
        }
        if (row.submenu) TakeOff(*row.submenu, pictures, shownWith);
    }
}

}  // namespace

HMENU RenderMenu(const MenuLevel& level) {
    const std::unique_ptr<ShownLevel> shown = EmptyLevel();
    Update(*shown, level, RowPictures{});
    return shown->handle;
}

namespace {

// The menu font at `dpi`, as the system gives it for that scale where it
// can, else its font at the screen's scale, scaled.
LOGFONTW MenuFontAt(int dpi) {
    using ForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto forDpi = UserCall<ForDpiFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi != nullptr && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
        return metrics.lfMenuFont;
    }
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMenuFont.lfHeight = MulDiv(metrics.lfMenuFont.lfHeight, dpi, WindowDpi(nullptr));
    return metrics.lfMenuFont;
}

// The active theme's file, colours and size; empty when none is active.
std::wstring ThemeName() {
    if (!IsThemeActive()) return {};
    std::array<wchar_t, MAX_PATH> file{};
    std::array<wchar_t, MAX_PATH> colours{};
    std::array<wchar_t, MAX_PATH> size{};
    if (FAILED(GetCurrentThemeName(file.data(), MAX_PATH, colours.data(), MAX_PATH, size.data(), MAX_PATH))) return {};
    return std::wstring(file.data()) + L'|' + colours.data() + L'|' + size.data();
}

// What sets the size of the menu manager's rows at one scale: the menu font
// there and the theme. The user may change either at any time.
struct RowLook {
    int dpi = 0;
    LOGFONTW menuFont{};
    std::wstring theme;

    static RowLook Now(int dpi) { return RowLook{dpi, MenuFontAt(dpi), ThemeName()}; }
    bool operator==(const RowLook& other) const {
        return dpi == other.dpi && theme == other.theme &&
               std::memcmp(&menuFont, &other.menuFont, sizeof menuFont) == 0;
    }
};

// The menu theme's parts at `dpi`, or nothing without a theme for menus.
class MenuTheme {
public:
    MenuTheme(HWND owner, int dpi) : dpi_(dpi) {
        using ForDpiFn = HTHEME(WINAPI*)(HWND, LPCWSTR, UINT);
        static const auto forDpi = SystemCall<ForDpiFn>(L"uxtheme.dll", "OpenThemeDataForDpi");
        if (forDpi != nullptr) theme_ = forDpi(owner, VSCLASS_MENU, static_cast<UINT>(dpi));
        // Without the call for a scale, parts come at the screen's scale.
        if (theme_ == nullptr) {
            theme_ = OpenThemeData(owner, VSCLASS_MENU);
            partsDpi_ = WindowDpi(nullptr);
        }
    }
    ~MenuTheme() {
        if (theme_ != nullptr) CloseThemeData(theme_);
    }
    MenuTheme(const MenuTheme&) = delete;
    MenuTheme& operator=(const MenuTheme&) = delete;

    explicit operator bool() const { return theme_ != nullptr; }
    SIZE PartSize(int part) const {
        SIZE size{};
        GetThemePartSize(theme_, nullptr, part, 0, nullptr, TS_TRUE, &size);
        return SIZE{Scaled(size.cx), Scaled(size.cy)};
    }
    // The part's content margins, left and right or top and bottom together.
    SIZE Margins(int part) const {
        MARGINS margins{};
        GetThemeMargins(theme_, nullptr, part, 0, TMT_CONTENTMARGINS, nullptr, &margins);
        return SIZE{Scaled(margins.cxLeftWidth + margins.cxRightWidth),
                    Scaled(margins.cyTopHeight + margins.cyBottomHeight)};
    }

private:
    int Scaled(int pixels) const { return partsDpi_ == 0 ? pixels : MulDiv(pixels, dpi_, partsDpi_); }

    int dpi_;
    int partsDpi_ = 0;
    HTHEME theme_ = nullptr;
};

}  // namespace

// The size of the menu manager's rows at one scale, from its menu font,
// check marks and edges there, and the menu theme's parts where a theme is
// active. Sizes are counted generously: a column a little narrower or
// shorter than counted costs nothing, one wider or taller would run off the
// screen.
class RowMeter {
public:
    RowMeter(RowLook look, HWND owner)
        : look_(std::move(look)), context_(CreateCompatibleDC(nullptr)), font_(CreateFontIndirectW(&look_.menuFont)) {
        previous_ = SelectObject(context_, font_);
        TEXTMETRICW text{};
        GetTextMetricsW(context_, &text);
        const int dpi = look_.dpi;
        const SIZE check{MetricForDpi(SM_CXMENUCHECK, dpi), MetricForDpi(SM_CYMENUCHECK, dpi)};
        rowHeight_ = std::max<int>(check.cy, text.tmHeight) + MulDiv(4, dpi, USER_DEFAULT_SCREEN_DPI);
        // Room for a check mark before the text and a submenu arrow after
        // it, the gap before the text and the column's divider.
        margins_ = 2 * std::max<int>(check.cx, text.tmHeight) + 4 * text.tmAveCharWidth +
                   MulDiv(8, dpi, USER_DEFAULT_SCREEN_DPI);
        if (const MenuTheme theme(owner, dpi); theme) CountThemedParts(theme, text);
    }
    ~RowMeter() {
        SelectObject(context_, previous_);
        DeleteObject(font_);
        DeleteDC(context_);
    }
    RowMeter(const RowMeter&) = delete;
    RowMeter& operator=(const RowMeter&) = delete;

    const RowLook& Look() const { return look_; }
    int RowHeight() const { return rowHeight_; }
    int Width(const MenuItem& row) const {
        if (row.kind != MenuItemKind::Command && row.kind != MenuItemKind::Submenu) return margins_;
        const std::wstring text = Widen(row.text);
        SIZE size{};
        GetTextExtentPoint32W(context_, text.c_str(), static_cast<int>(text.size()), &size);
        // Where the menu manager does not put a picture in the check mark's
        // place, it goes before the text.
        const int picture = row.icon == kNoIcon ? 0 : IconSide(look_.dpi) + MulDiv(4, look_.dpi, USER_DEFAULT_SCREEN_DPI);
        return size.cx + margins_ + picture;
    }

private:
    // A themed row is as high as its text or its check mark with the
    // check's background, whichever is higher, and as wide as its text with
    // the gutter of the check mark, the item's margins and the submenu
    // arrow. Where the menus are drawn without the theme (Wine), that is
    // more than they take.
    void CountThemedParts(const MenuTheme& theme, const TEXTMETRICW& text) {
        const SIZE check = theme.PartSize(MENU_POPUPCHECK);
        const SIZE checkMargins = theme.Margins(MENU_POPUPCHECK);
        const SIZE backgroundMargins = theme.Margins(MENU_POPUPCHECKBACKGROUND);
        const int checkHeight = check.cy + checkMargins.cy + backgroundMargins.cy;
        rowHeight_ = std::max<int>({rowHeight_, text.tmHeight, checkHeight});
        const int gutter = check.cx + checkMargins.cx + 2 * backgroundMargins.cx;
        const int arrow = theme.PartSize(MENU_POPUPSUBMENU).cx;
        margins_ = std::max<int>(margins_, gutter + theme.Margins(MENU_POPUPITEM).cx + arrow + 4 * text.tmAveCharWidth);
    }

    RowLook look_;
    HDC context_;
    HFONT font_;
    HGDIOBJ previous_ = nullptr;
    int rowHeight_ = 0;
    int margins_ = 0;
};

Win32Popup::Win32Popup(HWND owner, const FoundPictures& found)
    : owner_(owner), bitmaps_(std::make_unique<MenuBitmaps>(found)) {}

// The menu goes before the pictures its rows show.
Win32Popup::~Win32Popup() {
    if (shown_) DestroyMenu(shown_->handle);
}

PopupRoom Win32Popup::Room() {
    POINT at{};
    GetCursorPos(&at);
    HMONITOR monitor = MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    const int dpi = MonitorDpi(monitor);
    // Asked anew at every showing: the menu font and the theme may have
    // changed since, at the same scale, and the rows' sizes with them.
    RowLook look = RowLook::Now(dpi);
    if (!meter_ || !(meter_->Look() == look)) {
        meter_ = std::make_unique<RowMeter>(std::move(look), owner_);
        ++rowMetrics_;
    }
    // The menu window's frame, and the column break above every column
    // after the first, which is as high as a row at most.
    const int frame = 4 * MetricForDpi(SM_CXEDGE, dpi) + MulDiv(4, dpi, USER_DEFAULT_SCREEN_DPI);
    const int height = info.rcWork.bottom - info.rcWork.top - frame;
    return PopupRoom{height / meter_->RowHeight() - 1, info.rcWork.right - info.rcWork.left - frame, dpi,
                     rowMetrics_};
}

int Win32Popup::RowWidth(const MenuItem& row) {
    if (!meter_) Room();
    return meter_->Width(row);
}

void Win32Popup::Prepare(const MenuLevel& menu) {
    if (!shown_) shown_ = EmptyLevel();
    Update(*shown_, menu, Pictures());
}

HMENU Win32Popup::Menu() const {
    return shown_ ? shown_->handle : nullptr;
}

namespace {

// The class of the windows in which the menu manager shows menus.
constexpr wchar_t kMenuWindowClass[] = L"#32768";

}  // namespace

bool IsMenuWindowOfThisThread(HWND window) {
    if (window == nullptr || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
    std::array<wchar_t, 16> className{};
    GetClassNameW(window, className.data(), static_cast<int>(className.size()));
    return std::wcscmp(className.data(), kMenuWindowClass) == 0;
}

namespace {

// While the popup's menu loop runs, a right-button release on one of its
// rows with an id chooses nothing: it is taken from the loop and told to
// the owner as WM_MENURBUTTONUP, the message that reports it where the
// menu manager sends it (Windows) and where it does not (Wine). The menu
// manager offers every message of its loop to this filter first.
class RightReleaseFilter {
public:
    RightReleaseFilter(const Win32Popup& popup, HWND owner)
        : popup_(popup), owner_(owner), hook_(SetWindowsHookExW(WH_MSGFILTER, Filter, nullptr, GetCurrentThreadId())) {
        active_ = this;
    }
    ~RightReleaseFilter() {
        active_ = nullptr;
        if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    }
    RightReleaseFilter(const RightReleaseFilter&) = delete;
    RightReleaseFilter& operator=(const RightReleaseFilter&) = delete;

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const MSG*>(lParam);
        if (code == MSGF_MENU && message->message == WM_RBUTTONUP && active_ != nullptr && active_->Tell(message->pt)) {
            return TRUE;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    // True when `at` is on a row of the popup with an id, now told.
    bool Tell(POINT at) const {
        HWND window = WindowFromPoint(at);
        if (!IsMenuWindowOfThisThread(window)) return false;
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
        if (menu == nullptr) return false;
        const int pos = MenuItemFromPoint(nullptr, menu, at);
        if (pos < 0 || !popup_.RowIdAt(menu, pos)) return false;
        PostMessageW(owner_, WM_MENURBUTTONUP, static_cast<WPARAM>(pos), reinterpret_cast<LPARAM>(menu));
        return true;
    }

    static inline thread_local RightReleaseFilter* active_ = nullptr;
    const Win32Popup& popup_;
    HWND owner_;
    HHOOK hook_;
};

}  // namespace

int Win32Popup::Track(PopupOpening opening) {
    if (!shown_) return 0;
    POINT at{};
    GetCursorPos(&at);
    // Without the foreground the menu would not close when the user clicks
    // elsewhere; the null message after it lets the next showing work.
    SetForegroundWindow(owner_);
    // The menu's own loop takes this Down first and selects the first entry.
    if (opening == PopupOpening::Keyboard) PostMessageW(owner_, WM_KEYDOWN, VK_DOWN, 1);
    // The owner hears of each submenu about to show, so folders are filled
    // then; the chosen id comes back here rather than as WM_COMMAND.
    int chosen = 0;
    {
        const RightReleaseFilter rightRelease(*this, owner_);
        chosen = TrackPopupMenu(shown_->handle, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner_, nullptr);
    }
    PostMessageW(owner_, WM_NULL, 0, 0);
    if (foldersFilled_) EmptyFolders(*shown_);
    foldersFilled_ = false;
    return chosen;
}

void Win32Popup::FillFolder(int id, const MenuLevel& level) {
    if (!shown_) return;
    if (ShownLevel* folder = FolderLevel(*shown_, id)) {
        Update(*folder, level, Pictures());
        foldersFilled_ = true;
    }
}

void Win32Popup::Close() {
    EndMenu();
}

std::optional<int> Win32Popup::RowIdAt(HMENU menu, int pos) const {
    const ShownLevel* level = shown_ ? LevelOfMenu(*shown_, menu) : nullptr;
    if (level == nullptr || pos < 0 || pos >= static_cast<int>(level->rows.size())) return std::nullopt;
    const int id = level->rows[static_cast<std::size_t>(pos)].id;
    if (id <= 0) return std::nullopt;
    return id;
}

std::optional<int> Win32Popup::HighlightedRowId(HMENU menu, unsigned shortId) const {
    const ShownLevel* level = shown_ ? LevelOfMenu(*shown_, menu) : nullptr;
    if (level == nullptr) return std::nullopt;
    std::optional<int> onlyMatch;
    int matches = 0;
    for (std::size_t pos = 0; pos < level->rows.size(); ++pos) {
        const int id = level->rows[pos].id;
        if (id <= 0 || (static_cast<unsigned>(id) & 0xFFFFu) != shortId) continue;
        if (GetMenuState(menu, static_cast<UINT>(pos), MF_BYPOSITION) & MF_HILITE) return id;
        onlyMatch = id;
        ++matches;
    }
    // The menu manager lights the row before it tells of it; where it would
    // not, a row that alone has these bits is still the one.
    return matches == 1 ? onlyMatch : std::nullopt;
}

bool Win32Popup::AddPicture(int icon, int side) {
    return bitmaps_->Add(icon, side);
}

void Win32Popup::RemovePictures(const std::vector<int>& icons) {
    std::set<HBITMAP> pictures;
    for (int icon : icons) {
        if (HBITMAP picture = bitmaps_->Of(icon)) pictures.insert(picture);
    }
    if (shown_) TakeOff(*shown_, pictures, Pictures());
    for (int icon : icons) bitmaps_->Remove(icon);
}

bool Win32Popup::AnswerPictureMessage(UINT message, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        const auto picture = reinterpret_cast<HBITMAP>(item.itemData);
        if (item.CtlType != ODT_MENU || !bitmaps_->Holds(picture)) return false;
        // A quarter of the picture's width keeps the text off it.
        const SIZE size = PictureSize(picture);
        item.itemWidth = static_cast<UINT>(size.cx + size.cx / 4);
        item.itemHeight = static_cast<UINT>(size.cy);
        return true;
    }
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const auto picture = reinterpret_cast<HBITMAP>(item.itemData);
        if (item.CtlType != ODT_MENU || !bitmaps_->Holds(picture)) return false;
        DrawPicture(picture, item.hDC, item.rcItem);
        return true;
    }
    return false;
}

RowPictures Win32Popup::Pictures() const {
    return RowPictures{bitmaps_.get(), !MenusBlendBitmaps()};
}

std::optional<FolderOpening> Win32Popup::FolderOf(HMENU menu) const {
    if (!shown_) return std::nullopt;
    return FindFolder(*shown_, menu, 2);
}

}  // namespace kelvo
