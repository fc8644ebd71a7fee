#pragma once
#include <string>
#include <vector>

#include "platform/SettingsStore.h"
#include "store/ChoiceReader.h"

namespace kelvo {

// Where a list is written in full before it replaces the stored one. Readers
// of the list never look there.
std::string StagingSection(const std::string& section);

// Replaces the stored list of `section` with `values` (stored entry values,
// terminator not included), all or nothing: the new list is written to its
// staging section and marked complete there, then copied over the old one,
// terminator last; a list that reads as `values` already is not written at
// all. A save of the list left behind is finished first; when that fails,
// nothing else is written. True when the list now reads as `values`. On a
// refused write the old list is put back and false returned; when even that
// is refused, the staging section stays, and the next save or start
// finishes the copy. A kill at any point leaves the old list, or a marked
// staging section that the next save or start finishes.
bool CommitList(SettingsStore& store, const std::string& section, const std::vector<std::string>& values);

// Finishes the copy of a save of `section` cut short, when its staging
// section is marked complete, and then removes the staging section; one
// not marked complete is removed at once, if the store lets it. Throws when
// the store refuses a read, or a write of a complete staging section's
// list, or when the list does not read back as staged: the staging section
// then stays. Without a staging section nothing is written.
void FinishInterruptedSave(SettingsStore& store, const std::string& section);

// For the start, before anything reads the lists: FinishInterruptedSave
// for each list, with the reason where it failed.
ListFailures FinishInterruptedSaves(SettingsStore& store);

}  // namespace kelvo
