#pragma once
#include <cstddef>
#include <set>
#include <string>
#include <vector>

namespace kelvo {

// One item of a folder, as the folder lists it.
struct FolderItem {
    std::string name;  // its own name, extension included
    bool isFolder = false;
    bool hidden = false;
    bool system = false;
    bool operator==(const FolderItem&) const = default;
};

// How a listing ended.
enum class ListingOutcome {
    Listed,
    // The drive or share does not answer: no disc in the drive, a network
    // failure, a drive or share that is not there.
    NotAvailable,
    // Still not done after about a second: the caller was let go, and the
    // listing ends on its own, unseen.
    NotResponding,
    // The system refused, for instance access denied; `reason` says why.
    Unreadable,
};

struct FolderListing {
    ListingOutcome outcome = ListingOutcome::Listed;
    // When listed: every item but "." and "..", in the folder's own order;
    // none for an empty folder.
    std::vector<FolderItem> items;
    // When unreadable: the system's text, in the user's language.
    std::string reason;
};

// Where a shortcut leads.
enum class ShortcutLeadsTo {
    Folder,
    // The root of a drive or share; it is not looked at.
    Drive,
    // A file, or something that is no file at all (a printer, the control
    // panel): the shortcut opens it.
    File,
    // The shortcut cannot be read, or what it leads to is not there.
    Broken,
    // Not resolved within about a second.
    NotResponding,
};

struct ShortcutTarget {
    ShortcutLeadsTo leadsTo = ShortcutLeadsTo::Broken;
    std::string path;  // the target's full path; empty when it has none
    bool operator==(const ShortcutTarget&) const = default;
};

// Explorer's choices that change what a folder shows, as the user left them.
struct ExplorerView {
    bool showHidden = false;           // "Show hidden files, folders and drives"
    bool showProtectedSystem = false;  // "Hide protected operating system files" unchecked
    bool showKnownExtensions = false;  // "Hide extensions for known file types" unchecked
    bool operator==(const ExplorerView&) const = default;
};

// How Explorer shows the extension of a file type.
enum class TypeExtension {
    Unknown,      // no registered type: the extension shows
    Known,        // a registered type: hidden while the user hides them
    AlwaysShown,  // the type asks that its extension always shows
    NeverShown,   // the type asks that it never shows, as shortcuts do
};

// What a menu of a folder's contents needs to know of the folder. Listing
// and resolving never hold the caller much longer than a second.
class FolderReader {
public:
    virtual ~FolderReader() = default;
    virtual ExplorerView View() = 0;
    // `extension` with its dot, in any case: ".txt".
    virtual TypeExtension ExtensionOf(const std::string& extension) = 0;
    // The items of `folder`, a full path with or without its final "\".
    virtual FolderListing List(const std::string& folder) = 0;
    // Where each shortcut file leads, in the order given, resolved without
    // any window, search or link tracking, all within about a second: those
    // not done by then lead to NotResponding. A target on one of
    // `unreachableRoots` (roots as PathRoot gives them, ASCII letters
    // lower-cased) is not looked at: what the shortcut recorded of it when it
    // was made tells whether it is a folder.
    virtual std::vector<ShortcutTarget> Resolve(const std::vector<std::string>& shortcuts,
                                                const std::set<std::string>& unreachableRoots) = 0;
    // The positions of `names` in Explorer's order of names: numbers by
    // their value ("file 2" before "file 10"), letters without case.
    virtual std::vector<std::size_t> ExplorerOrder(const std::vector<std::string>& names) = 0;
};

// Follows paths off the user's path, on a thread of its own: the answer
// comes back later on the UI thread, as an event of the tray.
class BackgroundFollower {
public:
    virtual ~BackgroundFollower() = default;
    // Starts finding what each of `paths` opens, in the order given: a
    // folder or a drive leads to itself, a shortcut where Resolve says, any
    // other file to a File, and a path that cannot be looked at to Broken.
    // A drive or share that does not answer is asked once: the paths after
    // it on the same root lead to NotResponding. COM is loaded only for a
    // shortcut. The event that brings the targets back carries `request`.
    virtual void FollowLater(unsigned request, std::vector<std::string> paths) = 0;
};

}  // namespace kelvo
