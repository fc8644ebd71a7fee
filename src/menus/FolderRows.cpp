#include "menus/FolderRows.h"

#include <map>
#include <string_view>
#include <utility>

#include "text/TextUtils.h"

namespace kelvo {
namespace {

constexpr std::string_view kShortcutExtension = ".lnk";

// Files that Explorer keeps for itself: a folder's look and its thumbnails.
bool NeverListed(const FolderItem& item) {
    const std::string name = AsciiLowerCase(item.name);
    return name == "desktop.ini" || name == "thumbs.db";
}

bool Shown(const FolderItem& item, const ExplorerView& view) {
    if (NeverListed(item)) return false;
    if (item.hidden && !view.showHidden) return false;
    // Hidden and system together make a protected system file.
    return !(item.hidden && item.system && !view.showProtectedSystem);
}

// From the last dot on; a name that starts with its only dot has none.
std::string Extension(const std::string& name) {
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) return {};
    return AsciiLowerCase(name.substr(dot));
}

bool IsShortcut(const FolderItem& item) {
    return !item.isFolder && Extension(item.name) == kShortcutExtension;
}

std::string Joined(const std::string& folder, const std::string& name) {
    return folder.ends_with('\\') ? folder + name : folder + '\\' + name;
}

// Names as Explorer shows them, asking the reader once per extension.
class Captions {
public:
    Captions(FolderReader& reader, const ExplorerView& view) : reader_(reader), view_(view) {}

    std::string Of(const FolderItem& item) {
        const std::string extension = item.isFolder ? std::string() : Extension(item.name);
        if (extension.empty() || !Hides(extension)) return item.name;
        return item.name.substr(0, item.name.size() - extension.size());
    }

private:
    bool Hides(const std::string& extension) {
        if (extension == kShortcutExtension) return true;
        auto [known, added] = rules_.try_emplace(extension, TypeExtension::Unknown);
        if (added) known->second = reader_.ExtensionOf(extension);
        return known->second == TypeExtension::NeverShown ||
               (known->second == TypeExtension::Known && !view_.showKnownExtensions);
    }

    FolderReader& reader_;
    ExplorerView view_;
    std::map<std::string, TypeExtension> rules_;
};

std::vector<FolderItem> InExplorerOrder(FolderReader& reader, const std::vector<FolderItem>& items) {
    std::vector<std::string> names;
    names.reserve(items.size());
    for (const FolderItem& item : items) names.push_back(item.name);
    std::vector<FolderItem> ordered;
    ordered.reserve(items.size());
    for (const std::size_t position : reader.ExplorerOrder(names)) ordered.push_back(items.at(position));
    return ordered;
}

// The shown items: folders first, then files, each group in Explorer's order.
std::vector<FolderItem> ShownInOrder(FolderReader& reader, const std::vector<FolderItem>& items,
                                     const ExplorerView& view) {
    std::vector<FolderItem> folders;
    std::vector<FolderItem> files;
    for (const FolderItem& item : items) {
        if (Shown(item, view)) (item.isFolder ? folders : files).push_back(item);
    }
    std::vector<FolderItem> shown = InExplorerOrder(reader, folders);
    for (FolderItem& file : InExplorerOrder(reader, files)) shown.push_back(std::move(file));
    return shown;
}

void FollowTarget(FolderRow& row, const ShortcutTarget& target) {
    switch (target.leadsTo) {
        case ShortcutLeadsTo::Folder:
        case ShortcutLeadsTo::Drive: row.listed = target.path; break;
        case ShortcutLeadsTo::NotResponding: row.stalled = true; break;
        case ShortcutLeadsTo::File:
        case ShortcutLeadsTo::Broken: break;
    }
}

// All shortcuts of a folder are resolved together, within one deadline.
void ResolveShortcuts(FolderReader& reader, const ReachableRoots& roots, std::vector<FolderRow>& rows,
                      const std::vector<FolderItem>& items) {
    std::vector<std::string> shortcuts;
    std::vector<std::size_t> shortcutRows;
    for (std::size_t at = 0; at < items.size(); ++at) {
        if (!IsShortcut(items[at])) continue;
        shortcuts.push_back(rows[at].path);
        shortcutRows.push_back(at);
    }
    if (shortcuts.empty()) return;
    const std::vector<ShortcutTarget> targets = reader.Resolve(shortcuts, roots.UnreachableRoots());
    for (std::size_t at = 0; at < targets.size() && at < shortcutRows.size(); ++at)
        FollowTarget(rows[shortcutRows[at]], targets[at]);
}

std::vector<FolderRow> RowsOf(FolderReader& reader, const ReachableRoots& roots, const std::string& folder,
                              const std::vector<FolderItem>& listed) {
    const ExplorerView view = reader.View();
    const std::vector<FolderItem> items = ShownInOrder(reader, listed, view);
    Captions captions(reader, view);
    std::vector<FolderRow> rows;
    rows.reserve(items.size());
    for (const FolderItem& item : items) {
        const std::string path = Joined(folder, item.name);
        rows.push_back(FolderRow{captions.Of(item), path, item.isFolder ? path : std::string(), false});
    }
    ResolveShortcuts(reader, roots, rows, items);
    return rows;
}

}  // namespace

std::string StatusRowText(const FolderRows& contents) {
    switch (contents.outcome) {
        case FolderOutcome::Rows: return {};
        case FolderOutcome::Empty: return kEmptyFolderText;
        case FolderOutcome::NotAvailable: return kNotAvailableText;
        case FolderOutcome::NotResponding: return kNotRespondingText;
        case FolderOutcome::Unreadable: return contents.reason;
    }
    return {};
}

FolderRows ReadFolderRows(FolderReader& reader, ReachableRoots& roots, const FolderRow& row) {
    if (row.stalled || roots.KnownNotResponding(row.listed)) return FolderRows{FolderOutcome::NotResponding, {}, {}};
    if (roots.KnownUnreachable(row.listed)) return FolderRows{FolderOutcome::NotAvailable, {}, {}};
    const FolderListing listing = reader.List(row.listed);
    switch (listing.outcome) {
        case ListingOutcome::NotAvailable:
            roots.NoteUnreachable(row.listed);
            return FolderRows{FolderOutcome::NotAvailable, {}, {}};
        // Asked again, it would only hold the popup as long once more.
        case ListingOutcome::NotResponding:
            roots.NoteNotResponding(row.listed);
            return FolderRows{FolderOutcome::NotResponding, {}, {}};
        case ListingOutcome::Unreadable: return FolderRows{FolderOutcome::Unreadable, {}, listing.reason};
        case ListingOutcome::Listed: break;
    }
    std::vector<FolderRow> rows = RowsOf(reader, roots, row.listed, listing.items);
    if (rows.empty()) return FolderRows{FolderOutcome::Empty, {}, {}};
    return FolderRows{FolderOutcome::Rows, std::move(rows), {}};
}

}  // namespace kelvo
