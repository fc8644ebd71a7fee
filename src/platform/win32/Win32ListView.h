#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/ListView.h"

namespace kelvo {

class Win32ImageList;

// Creates a report-style list view with the two columns "Program Name" and
// "Program Location": single selection kept visible without focus, full-row
// select, never sorted; image lists are shared, not owned.
HWND CreateReportView(HWND parent, int id, const RECT& rect, COLORREF text, COLORREF background,
                      int dpi);
// Sets the column widths for `dpi` (they are given in twips).
void SizeReportColumns(HWND view, int dpi);

// The ListView contract over a comctl32 list view. Row k is item k - 1.
class Win32ListView final : public ListView {
public:
    explicit Win32ListView(HWND view);
    ~Win32ListView() override;
    Win32ListView(const Win32ListView&) = delete;
    Win32ListView& operator=(const Win32ListView&) = delete;

    int Count() const override;
    ListRow Row(int k) const override;
    void Insert(int k, const ListRow& row) override;
    void Remove(int k) override;
    void Clear() override;
    int Selected() const override;
    void Select(int k) override;
    // Accepts only a Win32ImageList (or nullptr).
    void AttachImages(ImageList* images) override;
    void Repaint() override;

    HWND Handle() const { return view_; }

private:
    int ImageIndex(const std::string& key) const;
    std::wstring ItemText(int item, int subItem) const;
    void CheckRow(int k, int last) const;
    void HoldDrawingIfUnseen(int item);
    static void CALLBACK ResumeDrawing(HWND view, UINT message, UINT_PTR timer, DWORD time);

    HWND view_;
    const Win32ImageList* images_ = nullptr;
    // Icon key of each row, in row order: the view itself keeps only indices.
    std::vector<std::string> iconKeys_;
    // Drawing is held back while rows are added out of sight; every row
    // drawn on its own would make a long fill many times slower.
    bool drawingHeld_ = false;
};

}  // namespace kelvo
