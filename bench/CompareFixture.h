#pragma once
// What the comparison sets up in the throw-away prefix: the desktop folder
// and the stored lists, over fixture files kept outside the prefix; and the
// registry writes that OK is held against.
#include <string>

namespace kelvo::bench {

// The fixture files below `root`, which bench/compare.sh makes once: the
// stored lists' files in stored\, and desktop-<n>\ holding exactly n files.
class Fixture {
public:
    explicit Fixture(std::wstring root);
    // The folder of Custom-1.txt ... and Desktop-1.txt ... up to `entries` each.
    std::wstring StoredFolder(int entries) const;
    // The folder of Note-1.txt ... Note-<entries>.txt, made the user's desktop folder.
    std::wstring UseDesktopFolder(int entries) const;

private:
    void CheckFiles(const std::wstring& folder, const std::wstring& prefix, int count) const;
    std::wstring root_;
};

// Both stored lists of `entries` entries of `folder`, each ended by "Done",
// and the options KELVO_COMPARE_OPTIONS names ("Name=Value,Name=Value"), so
// that runs with an option on and off can be compared; nothing else of the
// program stays stored.
void SeedStore(const std::wstring& folder, int entries);

// The stored value MenuChoice<position> of `section`, empty when there is none.
std::wstring StoredChoice(const wchar_t* section, int position);
// Field 1 (the location) of a stored value name%location%1.
std::wstring LocationOf(const std::wstring& value);

// Where the stored lists' files and the desktop folder's files lie.
struct Folders {
    std::wstring stored;
    std::wstring desktop;
};

// Milliseconds for plain writes of both lists of `entries` entries and their
// terminators into a scratch key.
double TimePlainWrites(const Folders& folders, int entries);
// Milliseconds for the reads start-up makes, done directly: both lists of
// `entries` entries and their terminators, one value after the other.
double TimeStartUpReads(const Folders& folders, int entries);
// Milliseconds for the writes OK makes today for a new desktop list and an
// unchanged custom list, done directly: the desktop list staged (its values,
// its terminator and a count) in a scratch key, its changed values copied,
// the staging key deleted. With `withReads`, both stored lists are first read
// where the new ones go, as OK does to compare and to be able to roll back.
double TimeStagedWrites(const Folders& folders, int entries, bool withReads);

}  // namespace kelvo::bench
