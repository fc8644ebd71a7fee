#pragma once
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/SettingsStore.h"
#include "platform/ShellInfo.h"

namespace kelvo {

// Where the entries of both lists come from: the stored lists, the files
// they name, what the shell tells of those files, and the desktop folders.
struct EntrySources {
    SettingsStore& store;
    FileSystem& files;
    ShellInfo& shell;
    Folders& folders;
};

}  // namespace kelvo
