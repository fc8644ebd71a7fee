#include "lists/ListLoader.h"

#include <exception>
#include <string>

#include "lists/BusyWhile.h"
#include "lists/EntryImages.h"
#include "lists/FileRows.h"
#include "lists/ListFiles.h"
#include "lists/ReachableRoots.h"
#include "store/ChoiceReader.h"
#include "store/Choices.h"
#include "store/ListCommit.h"

namespace kelvo {

namespace {
// What filling a view from a stored list asks.
struct StoredListSources {
    SettingsStore& store;
    FileSystem& files;
    ShellInfo& shell;
    ReachableRoots& roots;
};

// Only a folder that answers that the file or the path is not there says the
// entry is gone; any other failure means that the system could not look.
bool SaysGone(PathLookup lookup) {
    return lookup == PathLookup::FileNotFound || lookup == PathLookup::PathNotFound;
}

void AddStoredEntry(const StoredListSources& sources, RowTarget rows, const ListEntry& entry) {
    if (!sources.roots.Reachable(entry.FullPath())) {
        // Away for now (an unplugged stick, a share behind a closed VPN):
        // kept as it was, so OK writes it back.
        AddUnavailableRow(rows, entry.name, entry.location);
    } else if (const PathLookup lookup = sources.files.Look(entry.FullPath()); lookup == PathLookup::Found) {
        AddFileRow(sources.shell, rows, StoredFile(entry));
    } else if (!SaysGone(lookup)) {
        // The system could not look: kept as on a drive that is away.
        AddUnavailableRow(rows, entry.name, entry.location);
    } else {
        // Gone: it stays in the store until the next OK, which writes only
        // what the view shows.
        return;
    }
    rows.view.Repaint();
}

ListRead LoadView(const StoredListSources& sources, const std::string& section, RowTarget rows) {
    ChoiceReader reader(sources.store, section);
    while (auto entry = reader.Next()) AddStoredEntry(sources, rows, *entry);
    return ListRead{reader.Count(), reader.Failure()};
}

// A save cut short is finished before its list is read; when that fails, the
// list reads as it stands and counts as not read in full.
ListRead FinishThenLoad(const StoredListSources& sources, const std::string& section, RowTarget rows) {
    std::optional<std::string> unfinished;
    try {
        FinishInterruptedSave(sources.store, section);
    } catch (const std::exception& error) {
        unfinished = kSaveNotFinished + std::string(error.what());
    }
    ListRead read = LoadView(sources, section, rows);
    if (unfinished) read.failure = unfinished;
    return read;
}

StoredListSources SourcesOf(const EntrySources& sources, ReachableRoots& roots) {
    return StoredListSources{sources.store, sources.files, sources.shell, roots};
}

std::optional<std::string> Keep(const ListRead& read, int& count, bool& unread) {
    count = read.count;
    unread = read.failure.has_value();
    return read.failure;
}
}  // namespace

std::optional<std::string> LoadDesktopView(const EntrySources& sources, const EntryLists& lists, ListsState& state) {
    BusyWhile busy(lists.pointer);
    ReachableRoots roots(sources.files);
    const ListRead read = LoadView(SourcesOf(sources, roots), kDesktopSection, lists.desktop);
    return Keep(read, state.desktopCount, state.desktopUnread);
}

std::optional<std::string> LoadCustomView(const EntrySources& sources, const EntryLists& lists, ListsState& state) {
    BusyWhile busy(lists.pointer);
    ReachableRoots roots(sources.files);
    const ListRead read = LoadView(SourcesOf(sources, roots), kCustomSection, lists.custom);
    return Keep(read, state.customCount, state.customUnread);
}

ListFailures RefillListViews(const EntrySources& sources, const EntryLists& lists, ListsState& state) {
    BusyWhile busy(lists.pointer);
    ResetImages(lists.desktop);
    ResetImages(lists.custom);
    lists.desktop.view.Clear();
    lists.custom.view.Clear();
    // One look at each drive or share for both lists.
    ReachableRoots roots(sources.files);
    const StoredListSources stored = SourcesOf(sources, roots);
    ListFailures failures;
    failures.custom = Keep(FinishThenLoad(stored, kCustomSection, lists.custom), state.customCount, state.customUnread);
    failures.desktop =
        Keep(FinishThenLoad(stored, kDesktopSection, lists.desktop), state.desktopCount, state.desktopUnread);
    return failures;
}

}  // namespace kelvo
