#include "platform/win32/Win32ListView.h"

#include <commctrl.h>

#include <stdexcept>

#include "platform/win32/Twips.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32ImageList.h"

namespace kelvo {
namespace {

int ColumnFormat(layout::Align align) {
    switch (align) {
        case layout::Align::Centre: return LVCFMT_CENTER;
        case layout::Align::Right: return LVCFMT_RIGHT;
        case layout::Align::Left: break;
    }
    return LVCFMT_LEFT;
}

void AddColumns(HWND view, int dpi) {
    int index = 0;
    for (const layout::Column& column : layout::ListColumns()) {
        std::wstring header = Widen(column.header);
        LVCOLUMNW entry{};
        entry.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        entry.fmt = ColumnFormat(column.align);
        entry.cx = TwipsToPixels(column.width, dpi);
        entry.pszText = header.data();
        entry.iSubItem = index;
        SendMessageW(view, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&entry));
        ++index;
    }
}

}  // namespace

HWND CreateReportView(HWND parent, int id, const RECT& rect, COLORREF text, COLORREF background,
                      int dpi) {
    // Clipped by its siblings: a button may overlap its corner.
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT | LVS_SINGLESEL |
                        LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
    HWND view = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
    if (view == nullptr) throw std::runtime_error("cannot create a list view");
    SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageW(view, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
    SendMessageW(view, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
    SendMessageW(view, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
    AddColumns(view, dpi);
    return view;
}

void SizeReportColumns(HWND view, int dpi) {
    int index = 0;
    for (const layout::Column& column : layout::ListColumns())
        SendMessageW(view, LVM_SETCOLUMNWIDTH, index++, TwipsToPixels(column.width, dpi));
}

Win32ListView::Win32ListView(HWND view) : view_(view) {}

Win32ListView::~Win32ListView() {
    if (drawingHeld_) KillTimer(view_, reinterpret_cast<UINT_PTR>(this));
}

int Win32ListView::Count() const {
    return static_cast<int>(SendMessageW(view_, LVM_GETITEMCOUNT, 0, 0));
}

void Win32ListView::CheckRow(int k, int last) const {
    if (k < 1 || k > last) throw std::out_of_range("no row " + std::to_string(k));
}

std::wstring Win32ListView::ItemText(int item, int subItem) const {
    std::wstring text(64, L'\0');
    for (;;) {
        LVITEMW request{};
        request.iSubItem = subItem;
        request.pszText = text.data();
        request.cchTextMax = static_cast<int>(text.size());
        const auto length = static_cast<std::size_t>(
            SendMessageW(view_, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&request)));
        // A result that fills the buffer may have been cut short: try a larger one.
        if (length + 1 < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

ListRow Win32ListView::Row(int k) const {
    CheckRow(k, Count());
    return ListRow{Narrow(ItemText(k - 1, 0)), Narrow(ItemText(k - 1, 1)),
                   iconKeys_.at(static_cast<std::size_t>(k - 1))};
}

int Win32ListView::ImageIndex(const std::string& key) const {
    const int index = images_ == nullptr ? -1 : images_->IndexOf(key);
    return index < 0 ? I_IMAGENONE : index;
}

void Win32ListView::Insert(int k, const ListRow& row) {
    CheckRow(k, Count() + 1);
    std::wstring text = Widen(row.text);
    std::wstring subItem = Widen(row.subItem);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = k - 1;
    item.pszText = text.data();
    item.iImage = ImageIndex(row.iconKey);
    HoldDrawingIfUnseen(k - 1);
    const auto at = static_cast<int>(
        SendMessageW(view_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (at != k - 1) throw std::runtime_error("list view refused a row");
    iconKeys_.insert(iconKeys_.begin() + at, row.iconKey);
    LVITEMW second{};
    second.iSubItem = 1;
    second.pszText = subItem.data();
    SendMessageW(view_, LVM_SETITEMTEXTW, at, reinterpret_cast<LPARAM>(&second));
}

void Win32ListView::Remove(int k) {
    CheckRow(k, Count());
    SendMessageW(view_, LVM_DELETEITEM, k - 1, 0);
    iconKeys_.erase(iconKeys_.begin() + (k - 1));
}

void Win32ListView::Clear() {
    SendMessageW(view_, LVM_DELETEALLITEMS, 0, 0);
    iconKeys_.clear();
}

int Win32ListView::Selected() const {
    return static_cast<int>(SendMessageW(view_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                         LVNI_SELECTED)) + 1;
}

void Win32ListView::Select(int k) {
    if (k != 0) CheckRow(k, Count());
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(view_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    if (k == 0) return;
    LVITEMW chosen{};
    chosen.state = chosen.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(view_, LVM_SETITEMSTATE, k - 1, reinterpret_cast<LPARAM>(&chosen));
    SendMessageW(view_, LVM_ENSUREVISIBLE, k - 1, FALSE);
}

void Win32ListView::AttachImages(ImageList* images) {
    const Win32ImageList* attached = nullptr;
    if (images != nullptr) {
        attached = dynamic_cast<const Win32ImageList*>(images);
        if (attached == nullptr) throw std::invalid_argument("not a Win32 image list");
    }
    images_ = attached;
    SendMessageW(view_, LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(attached == nullptr ? nullptr : attached->Handle()));
    // The indices follow the keys, so rows find their pictures in the new list.
    for (std::size_t row = 0; row < iconKeys_.size(); ++row) {
        LVITEMW item{};
        item.mask = LVIF_IMAGE;
        item.iItem = static_cast<int>(row);
        item.iImage = ImageIndex(iconKeys_[row]);
        SendMessageW(view_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void Win32ListView::Repaint() {
    if (!drawingHeld_) UpdateWindow(view_);
}

// A row goes out of sight when the window is hidden or the row lies below
// the page shown. Drawing resumes once the program waits for input again,
// with the zero-delay timer that fires only when no other message is queued.
void Win32ListView::HoldDrawingIfUnseen(int item) {
    if (drawingHeld_) return;
    if (IsWindowVisible(view_)) {
        const auto top = static_cast<int>(SendMessageW(view_, LVM_GETTOPINDEX, 0, 0));
        const auto page = static_cast<int>(SendMessageW(view_, LVM_GETCOUNTPERPAGE, 0, 0));
        if (item < top + page) return;
    }
    SendMessageW(view_, WM_SETREDRAW, FALSE, 0);
    drawingHeld_ = true;
    SetTimer(view_, reinterpret_cast<UINT_PTR>(this), 0, ResumeDrawing);
}

void CALLBACK Win32ListView::ResumeDrawing(HWND view, UINT, UINT_PTR timer, DWORD) {
    KillTimer(view, timer);
    auto* self = reinterpret_cast<Win32ListView*>(timer);
    self->drawingHeld_ = false;
    SendMessageW(view, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view, nullptr, TRUE);
}

}  // namespace kelvo
