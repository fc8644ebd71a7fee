#include "menus/PopupLayout.h"

#include <algorithm>
#include <vector>

#include "menus/MenuIds.h"

namespace kelvo {

int RowsPerColumn(const PopupRoom& room) {
    return std::clamp(room.rowsHigh, 2, kColumnRows);
}

namespace {

// The rows of a level as they will be shown; nullptr stands for "More".
using Rows = std::vector<const MenuItem*>;

// The menu manager takes no submenu nested deeper than about 30 levels (Wine
// refuses the insertion); a level this deep holds all the rest.
constexpr int kDeepestLevel = 28;

bool IsBuiltEntry(const MenuItem& item) {
    return item.kind == MenuItemKind::Command && item.id > kCustomIdBase;
}

class LevelLayout {
public:
    LevelLayout(const PopupRoom& room, const RowWidths& widths)
        : perColumn_(static_cast<std::size_t>(RowsPerColumn(room))), width_(room.width), widths_(widths) {
        more_.kind = MenuItemKind::Submenu;
        more_.id = -1;
        more_.text = kMoreCaption;
    }

    // Lays out `level`, whose built entries stand in one run.
    void LayOutLevel(const MenuLevel& level, int depth, MenuLevel& out) const {
        Rows rows;
        rows.reserve(static_cast<std::size_t>(level.Count()));
        std::size_t first = static_cast<std::size_t>(level.Count());
        std::size_t end = 0;
        for (int pos = 0; pos < level.Count(); ++pos) {
            if (IsBuiltEntry(level.At(pos))) {
                first = std::min(first, rows.size());
                end = rows.size() + 1;
            }
            rows.push_back(&level.At(pos));
        }
        const std::size_t head = std::min(first, rows.size());
        LayOut(rows, head, rows.size() - std::max(end, head), depth, out);
    }

private:
    // `rows` has `head` fixed rows before its entries and `tail` after them.
    void LayOut(const Rows& rows, std::size_t head, std::size_t tail, int depth, MenuLevel& out) const {
        const std::size_t entries = rows.size() - head - tail;
        if (entries == 0 || depth == kDeepestLevel) return Emit(rows, {}, depth, out);
        std::size_t columns = ColumnsThatFit(rows);
        if (ColumnsOf(rows.size()) <= columns) return Emit(rows, {}, depth, out);
        for (;; --columns) {
            const std::size_t slots = columns * perColumn_;
            const std::size_t kept = std::min(entries - 1, slots - std::min(slots, head + tail + 1));
            Rows shown(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(head + kept));
            shown.push_back(nullptr);
            shown.insert(shown.end(), rows.end() - static_cast<std::ptrdiff_t>(tail), rows.end());
            if (columns == 1 || ColumnsThatFit(shown) >= ColumnsOf(shown.size())) {
                const Rows rest(rows.begin() + static_cast<std::ptrdiff_t>(head + kept),
                                rows.end() - static_cast<std::ptrdiff_t>(tail));
                return Emit(shown, rest, depth, out);
            }
        }
    }

    std::size_t ColumnsOf(std::size_t rows) const { return (rows + perColumn_ - 1) / perColumn_; }

    // How many columns of `rows`, from the first, fit side by side; at least
    // one. Measuring stops at the first column that does not fit.
    std::size_t ColumnsThatFit(const Rows& rows) const {
        std::size_t columns = 0;
        int used = 0;
        for (std::size_t top = 0; top < rows.size(); top += perColumn_) {
            int column = 0;
            for (std::size_t row = top; row < std::min(top + perColumn_, rows.size()); ++row) {
                column = std::max(column, widths_(rows[row] ? *rows[row] : more_));
            }
            used += column;
            if (used > width_) break;
            ++columns;
        }
        return std::max<std::size_t>(columns, 1);
    }

    // Adds `rows` to `out` with a break before each new column; the "More"
    // row holds `rest`.
    void Emit(const Rows& rows, const Rows& rest, int depth, MenuLevel& out) const {
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (row > 0 && row % perColumn_ == 0) out.InsertColumnBreak(out.Count(), kColumnBreakId);
            if (rows[row] == nullptr) {
                LayOut(rest, 0, 0, depth + 1, out.InsertSubmenu(out.Count(), kMoreCaption));
            } else {
                AddRow(*rows[row], depth, out);
            }
        }
    }

    void AddRow(const MenuItem& row, int depth, MenuLevel& out) const {
        switch (row.kind) {
            case MenuItemKind::Command: out.InsertCommand(out.Count(), row.id, row.text); break;
            case MenuItemKind::Separator: out.InsertSeparator(out.Count()); break;
            case MenuItemKind::ColumnBreak: out.InsertColumnBreak(out.Count(), row.id); break;
            case MenuItemKind::Submenu:
                LayOutLevel(*row.submenu, depth + 1, out.InsertSubmenu(out.Count(), row.text));
                break;
        }
    }

    std::size_t perColumn_;
    int width_;
    const RowWidths& widths_;
    MenuItem more_;
};

}  // namespace

MenuLevel LayOutPopup(const MenuLevel& tree, const PopupRoom& room, const RowWidths& widths) {
    MenuLevel shown;
    LevelLayout(room, widths).LayOutLevel(tree, 0, shown);
    return shown;
}

}  // namespace kelvo
