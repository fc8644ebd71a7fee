#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "menus/FoundPictures.h"
#include "platform/Shell.h"

namespace kelvo {

// Builds a new popup menu from `level` and its submenus; the caller destroys
// it with DestroyMenu.
HMENU RenderMenu(const MenuLevel& level);

// A menu caption shown exactly as given: every '&' doubled, so none of them
// marks a mnemonic.
std::wstring LiteralCaption(const std::string& text);

// True when `window` shows a menu of this thread. The popup's right-button
// hook asks only such a window which menu it shows: a window of another
// program could hold this thread until that program answered.
bool IsMenuWindowOfThisThread(HWND window);

struct ShownLevel;
struct RowPictures;
class RowMeter;
class MenuBitmaps;

// No pictures found by another process.
inline const FoundPictures& NoFoundPictures() {
    static const FoundPictures none;
    return none;
}

// A folder's submenu that the menu manager is about to show: the id of its
// row and its level, the popup itself being 1.
struct FolderOpening {
    int id = 0;
    int depth = 0;
};

// Shows popup menus at the pointer on behalf of `owner`. The system menu is
// built at the first preparation and kept for every showing; later
// preparations change only the rows that differ.
class Win32Popup final : public PopupPresenter {
public:
    // Rows' pictures of icons come from `found`; without it, rows show only
    // the unavailable sign and blanks.
    explicit Win32Popup(HWND owner, const FoundPictures& found = NoFoundPictures());
    ~Win32Popup() override;
    Win32Popup(const Win32Popup&) = delete;
    Win32Popup& operator=(const Win32Popup&) = delete;

    // The work area of the monitor under the pointer, where the popup opens.
    PopupRoom Room() override;
    int RowWidth(const MenuItem& row) override;
    void Prepare(const MenuLevel& menu) override;
    int Track(PopupOpening opening) override;
    void FillFolder(int id, const MenuLevel& level) override;
    void Close() override;
    // The id of the row at `pos` of `menu`, one of the popup's levels;
    // nothing for a row without one (a separator, a notice, "DeskTop") and
    // for any other menu.
    std::optional<int> RowIdAt(HMENU menu, int pos) const;
    // The id of the row of `menu`, one of the popup's levels, that
    // WM_MENUSELECT reported as highlighted with `shortId`: the message
    // carries only the low 16 bits of an id, which many rows share, so the
    // row is told by the menu itself. Nothing for any other row or menu.
    std::optional<int> HighlightedRowId(HMENU menu, unsigned shortId) const;
    bool AddPicture(int icon, int side) override;
    void RemovePictures(const std::vector<int>& icons) override;
    // The folder whose submenu `menu` is; nothing for any other menu.
    std::optional<FolderOpening> FolderOf(HMENU menu) const;
    // The kept system menu, or nullptr before the first preparation.
    HMENU Menu() const;
    // Answers WM_MEASUREITEM and WM_DRAWITEM for a row whose picture the
    // owner draws; false for any other message or item.
    bool AnswerPictureMessage(UINT message, LPARAM lParam);

private:
    RowPictures Pictures() const;

    HWND owner_;
    std::unique_ptr<MenuBitmaps> bitmaps_;
    std::unique_ptr<ShownLevel> shown_;
    std::unique_ptr<RowMeter> meter_;
    // True once a folder's submenu was filled while the popup shows.
    bool foldersFilled_ = false;
    // Counts the row meters made: the rows' sizes as the room reports them.
    unsigned rowMetrics_ = 0;
};

}  // namespace kelvo
