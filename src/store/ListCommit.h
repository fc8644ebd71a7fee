#pragma once
#include <string>
#include <vector>

#include "platform/SettingsStore.h"

namespace kelvo {

// Where a list is written in full before it replaces the stored one. Readers
// of the list never look there.
std::string StagingSection(const std::string& section);

// Replaces the stored list of `section` with `values` (stored entry values,
// terminator not included), all or nothing: the new list is written to its
// staging section and marked complete there, then copied over the old one,
// terminator last; a list that reads as `values` already is not written at
// all. True when the list now reads as `values`. On a refused
// write the old list is put back and false returned; when even that is
// refused, the next start finishes the copy. A kill at any point leaves the
// old list, or a marked staging section that the next start finishes.
bool CommitList(SettingsStore& store, const std::string& section, const std::vector<std::string>& values);

// For the start, before anything reads the lists: finishes the copy of each
// list whose staging section is marked complete, and drops any other
// staging section. False when the store refused; the lists then read as they
// stand and the next start tries again.
bool FinishInterruptedSaves(SettingsStore& store);

}  // namespace kelvo
