#pragma once
#include <optional>
#include <string>

namespace kelvo {

// How the shell's own menu of a file ended.
enum class ShellMenuEnd {
    Dismissed,
    // A verb was chosen; it runs when RunChosen is called.
    VerbChosen,
    // The shell could not make the menu; the outcome's reason says why.
    NotShown,
};

struct ShellMenuOutcome {
    ShellMenuEnd end = ShellMenuEnd::Dismissed;
    std::string reason;  // when NotShown: the system's words
};

// The menu that the Explorer shows for a file or folder, shown over the
// popup while it shows.
class ShellMenus {
public:
    virtual ~ShellMenus() = default;
    // Shows the shell's menu of the file or folder at `path` at the pointer,
    // with its submenus filled as they open. A verb chosen in it is kept for
    // RunChosen, so it runs once the popup has closed.
    virtual ShellMenuOutcome ShowFor(const std::string& path) = 0;
    // Runs the verb chosen last, once; the system's reason when it failed,
    // nothing when it ran or the user cancelled it.
    virtual std::optional<std::string> RunChosen() = 0;
    // Shows a menu of one disabled row that reads `text`, at the pointer.
    virtual void ShowNotice(const std::string& text) = 0;
};

}  // namespace kelvo
