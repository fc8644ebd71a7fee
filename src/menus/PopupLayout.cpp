#include "menus/PopupLayout.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

#include "menus/MenuIds.h"
#include "text/TextUtils.h"

namespace kelvo {

int RowsPerColumn(const PopupRoom& room) {
    return std::clamp(room.rowsHigh, 2, kColumnRows);
}

std::string GroupCaption(const std::string& first, const std::string& last) {
    return first + " \xE2\x80\x93 " + last;
}

namespace {

// The rows of a level as they will be shown; nullptr stands for "More".
using Rows = std::vector<const MenuItem*>;

// An entry of a list or a row of a folder; a folder's opens as a submenu.
bool IsBuiltEntry(const MenuItem& item) {
    return (item.kind == MenuItemKind::Command || item.kind == MenuItemKind::Submenu) && item.id > kCustomIdBase;
}

bool IsSeparator(const MenuItem* row) {
    return row != nullptr && row->kind == MenuItemKind::Separator;
}

struct Group;

// A row below "More": a built entry, or a group of rows that opens as a
// submenu.
struct Node {
    const MenuItem* entry = nullptr;
    std::unique_ptr<Group> group;
};

struct Group {
    MenuItem row;  // captioned with the names of its first and last entries
    std::vector<Node> members;
    std::string first;
    std::string last;
};

const std::string& FirstName(const Node& node) {
    return node.entry ? node.entry->text : node.group->first;
}

const std::string& LastName(const Node& node) {
    return node.entry ? node.entry->text : node.group->last;
}

std::vector<Node> NodesOf(const Rows& entries) {
    std::vector<Node> nodes;
    nodes.reserve(entries.size());
    for (const MenuItem* entry : entries) nodes.push_back(Node{entry, nullptr});
    return nodes;
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
    void LayOutLevel(const MenuLevel& level, MenuLevel& out) const {
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
        LayOut(rows, head, rows.size() - std::max(end, head), out);
    }

private:
    const MenuItem& RowOf(const MenuItem* row) const { return row ? *row : more_; }
    static const MenuItem& RowOf(const Node& node) { return node.entry ? *node.entry : node.group->row; }

    // `rows` has `head` fixed rows before its entries and `tail` after them.
    // Where they do not fit, the entries that do are kept and the rest go
    // into "More"; with none kept, the fixed rows and "More" are all that is
    // left, and their separators go too where even they do not fit.
    void LayOut(const Rows& rows, std::size_t head, std::size_t tail, MenuLevel& out) const {
        const std::size_t entries = rows.size() - head - tail;
        if (entries == 0 || Fits(rows)) return Emit(rows, {}, out);
        for (std::size_t columns = ColumnsThatFit(rows, 0);; --columns) {
            const std::size_t slots = columns * perColumn_;
            const std::size_t kept = std::min(entries - 1, slots - std::min(slots, head + tail + 1));
            Rows shown(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(head + kept));
            shown.push_back(nullptr);
            shown.insert(shown.end(), rows.end() - static_cast<std::ptrdiff_t>(tail), rows.end());
            if (kept == 0 && !Fits(shown)) std::erase_if(shown, IsSeparator);
            if (kept == 0 || Fits(shown)) {
                const Rows rest(rows.begin() + static_cast<std::ptrdiff_t>(head + kept),
                                rows.end() - static_cast<std::ptrdiff_t>(tail));
                return Emit(shown, rest, out);
            }
        }
    }

    // The rows below "More": as they are where they fit one level, or else
    // in groups of as many as fit a level, grouped again until the groups
    // fit. Each level of groups divides the rows by a column at least, so
    // no list nests as deep as the menu manager's limit of about 30 levels.
    void Arrange(std::vector<Node> nodes, MenuLevel& out) const {
        while (nodes.size() > perColumn_ && !Fits(nodes)) nodes = Grouped(std::move(nodes));
        EmitNodes(nodes, out);
    }

    // `nodes` in runs of the columns that fit from the run's first row on,
    // one column at least; a run of one row stays that row.
    std::vector<Node> Grouped(std::vector<Node> nodes) const {
        std::vector<Node> groups;
        for (std::size_t first = 0; first < nodes.size();) {
            const std::size_t columns = std::max<std::size_t>(ColumnsThatFit(nodes, first), 1);
            const std::size_t count = std::min(columns * perColumn_, nodes.size() - first);
            groups.push_back(count == 1 ? std::move(nodes[first]) : GroupOf(nodes, first, count));
            first += count;
        }
        return groups;
    }

    Node GroupOf(std::vector<Node>& nodes, std::size_t first, std::size_t count) const {
        auto group = std::make_unique<Group>();
        const auto begin = nodes.begin() + static_cast<std::ptrdiff_t>(first);
        group->members.assign(std::make_move_iterator(begin),
                              std::make_move_iterator(begin + static_cast<std::ptrdiff_t>(count)));
        group->first = FirstName(group->members.front());
        group->last = LastName(group->members.back());
        group->row.kind = MenuItemKind::Submenu;
        group->row.id = -1;
        group->row.text = GroupCaption(group->first, group->last);
        if (widths_(group->row) > width_) ShortenCaption(group->row, group->first, group->last);
        return Node{nullptr, std::move(group)};
    }

    // Captions `row` with the longest middle-shortened `first` and `last`
    // that leave it within the room; each keeps its start and its end,
    // where the names of a list tend to differ.
    void ShortenCaption(MenuItem& row, const std::string& first, const std::string& last) const {
        const auto captionOf = [&first, &last](std::size_t kept) {
            return GroupCaption(ShortenedInTheMiddle(first, kept), ShortenedInTheMiddle(last, kept));
        };
        std::size_t fits = 0;
        std::size_t tooWide = std::max(CodePoints(first), CodePoints(last));
        while (tooWide - fits > 1) {
            const std::size_t kept = (fits + tooWide) / 2;
            row.text = captionOf(kept);
            (widths_(row) <= width_ ? fits : tooWide) = kept;
        }
        row.text = captionOf(fits);
    }

    std::size_t ColumnsOf(std::size_t rows) const { return (rows + perColumn_ - 1) / perColumn_; }

    template <class Row>
    bool Fits(const std::vector<Row>& rows) const {
        return ColumnsThatFit(rows, 0) >= ColumnsOf(rows.size());
    }

    // How many columns of `rows`, from `first` on, fit side by side.
    // Measuring stops at the first column that does not fit.
    template <class Row>
    std::size_t ColumnsThatFit(const std::vector<Row>& rows, std::size_t first) const {
        std::size_t columns = 0;
        int used = 0;
        for (std::size_t top = first; top < rows.size(); top += perColumn_) {
            int column = 0;
            for (std::size_t row = top; row < std::min(top + perColumn_, rows.size()); ++row) {
                column = std::max(column, widths_(RowOf(rows[row])));
            }
            used += column;
            if (used > width_) break;
            ++columns;
        }
        return columns;
    }

    void BreakBefore(std::size_t row, MenuLevel& out) const {
        if (row > 0 && row % perColumn_ == 0) out.InsertColumnBreak(out.Count(), kColumnBreakId);
    }

    // Adds `rows` to `out` with a break before each new column; the "More"
    // row holds `rest`.
    void Emit(const Rows& rows, const Rows& rest, MenuLevel& out) const {
        for (std::size_t row = 0; row < rows.size(); ++row) {
            BreakBefore(row, out);
            if (rows[row] == nullptr) {
                Arrange(NodesOf(rest), out.InsertSubmenu(out.Count(), kMoreCaption));
            } else {
                AddRow(*rows[row], out);
            }
        }
    }

    void EmitNodes(const std::vector<Node>& nodes, MenuLevel& out) const {
        for (std::size_t row = 0; row < nodes.size(); ++row) {
            BreakBefore(row, out);
            const Node& node = nodes[row];
            if (node.entry) {
                AddRow(*node.entry, out);
            } else {
                EmitNodes(node.group->members, out.InsertSubmenu(out.Count(), node.group->row.text));
            }
        }
    }

    void AddRow(const MenuItem& row, MenuLevel& out) const {
        switch (row.kind) {
            case MenuItemKind::Command: out.InsertCommand(out.Count(), row.id, row.text, row.icon); break;
            case MenuItemKind::Separator: out.InsertSeparator(out.Count()); break;
            case MenuItemKind::ColumnBreak: out.InsertColumnBreak(out.Count(), row.id); break;
            case MenuItemKind::Submenu:
                LayOutLevel(*row.submenu, out.InsertSubmenu(out.Count(), row.text, row.id, row.icon));
                break;
            case MenuItemKind::Notice: out.InsertNotice(out.Count(), row.text); break;
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
    LevelLayout(room, widths).LayOutLevel(tree, shown);
    return shown;
}

}  // namespace kelvo
