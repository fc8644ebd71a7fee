#pragma once
#include <string>

namespace kelvo {

class ImageList;

// One row: text (column "Program Name"), first sub-item (column
// "Program Location") and the key of its small icon in the attached image
// list (empty: no icon).
struct ListRow {
    std::string text;
    std::string subItem;
    std::string iconKey;
    bool operator==(const ListRow&) const = default;
};

// A report-style list view whose rows are numbered from 1 in display order
// and never sorted.
class ListView {
public:
    virtual ~ListView() = default;
    virtual int Count() const = 0;
    // Row k (1-based); throws std::out_of_range when there is no row k.
    virtual ListRow Row(int k) const = 0;
    // Inserts at row k (1 .. Count()+1); rows from k on move down by one.
    virtual void Insert(int k, const ListRow& row) = 0;
    void Append(const ListRow& row) { Insert(Count() + 1, row); }
    virtual void Remove(int k) = 0;
    virtual void Clear() = 0;
    // The selected row, 0 when none.
    virtual int Selected() const = 0;
    virtual void Select(int k) = 0;
    // Source of the rows' small icons; nullptr detaches it.
    virtual void AttachImages(ImageList* images) = 0;
    // Paints the view at once, so a long fill shows its progress.
    virtual void Repaint() = 0;
};

}  // namespace kelvo
