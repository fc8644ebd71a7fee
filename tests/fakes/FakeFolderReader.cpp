#include "fakes/FakeFolderReader.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <string_view>
#include <utility>

#include "text/TextUtils.h"

namespace kelvo {
namespace {

constexpr char kPathNotFound[] = "The system cannot find the path specified.";

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The run of digits at `at`, without its leading zeros; `at` moves past it.
std::string_view Number(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    std::string_view digits = text.substr(start, at - start);
    while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
    return digits;
}

// Negative, zero or positive, as StrCmpLogicalW answers for ASCII names.
int LogicalCompare(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const std::string_view x = Number(a, i);
            const std::string_view y = Number(b, j);
            if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
            if (const int order = x.compare(y)) return order;
            continue;
        }
        const int x = std::tolower(static_cast<unsigned char>(a[i++]));
        const int y = std::tolower(static_cast<unsigned char>(b[j++]));
        if (x != y) return x < y ? -1 : 1;
    }
    return (i < a.size()) - (j < b.size());
}

}  // namespace

TypeExtension FakeFolderReader::ExtensionOf(const std::string& extension) {
    ++extensionQueries;
    const auto found = extensions.find(AsciiLowerCase(extension));
    return found == extensions.end() ? TypeExtension::Unknown : found->second;
}

FolderListing FakeFolderReader::List(const std::string& folder) {
    listed.push_back(folder);
    const auto found = folders.find(folder);
    if (found == folders.end()) return FolderListing{ListingOutcome::Unreadable, {}, kPathNotFound};
    return found->second;
}

std::vector<ShortcutTarget> FakeFolderReader::Resolve(const std::vector<std::string>& paths,
                                                      const std::set<std::string>& unreachableRoots) {
    resolved.push_back(paths);
    unreachableRootsGiven = unreachableRoots;
    std::vector<ShortcutTarget> targets;
    for (const std::string& path : paths) {
        const auto found = shortcuts.find(path);
        targets.push_back(found == shortcuts.end() ? ShortcutTarget{} : found->second);
    }
    return targets;
}

std::vector<std::size_t> FakeFolderReader::ExplorerOrder(const std::vector<std::string>& names) {
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return LogicalCompare(names[a], names[b]) < 0; });
    return order;
}

FolderItem ListedFile(std::string name, bool hidden, bool system) {
    return FolderItem{std::move(name), false, hidden, system};
}

FolderItem ListedFolder(std::string name, bool hidden, bool system) {
    return FolderItem{std::move(name), true, hidden, system};
}

}  // namespace kelvo
