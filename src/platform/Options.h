#pragma once
#include <optional>
#include <string>

namespace kelvo {

// A key with its modifiers, as the system's hot-key control gives it.
struct HotKey {
    static constexpr unsigned kShift = 1;
    static constexpr unsigned kCtrl = 2;
    static constexpr unsigned kAlt = 4;
    unsigned modifiers = 0;  // kShift | kCtrl | kAlt
    unsigned key = 0;        // virtual-key code, 1 to 254
    bool operator==(const HotKey&) const = default;
};

class CheckBox {
public:
    virtual ~CheckBox() = default;
    virtual bool IsChecked() const = 0;
    virtual void SetChecked(bool checked) = 0;
};

// A field in which the user presses the key to be used.
class HotKeyField {
public:
    virtual ~HotKeyField() = default;
    // Nullopt when the field is empty.
    virtual std::optional<HotKey> Key() const = 0;
    virtual void SetKey(const std::optional<HotKey>& key) = 0;
};

// The key that opens the menu from anywhere: it is the program's while
// registered.
class MenuKey {
public:
    virtual ~MenuKey() = default;
    // False when another program holds the key.
    virtual bool Register(const HotKey& key) = 0;
    // Nothing happens when no key is registered.
    virtual void Release() = 0;
};

// The user's entry that starts a program at sign-in, and the system's
// switch by which the user may have turned that entry off.
class SignInStart {
public:
    virtual ~SignInStart() = default;
    // The full path of the running program.
    virtual std::string ProgramPath() const = 0;
    // True when `command` starts the running program, its path compared as
    // the system compares paths.
    virtual bool NamesThisProgram(const std::string& command) const = 0;
    // The entry's command line; nullopt when there is none. Throws when it
    // cannot be read.
    virtual std::optional<std::string> Command() = 0;
    // True when the user switched the entry off in the system's start-up
    // settings.
    virtual bool SwitchedOff() = 0;
    // Writes the entry, switched on. Throws when refused.
    virtual void Put(const std::string& command) = 0;
    // Removes the entry; nothing happens when there is none. Throws when refused.
    virtual void Remove() = 0;
};

}  // namespace kelvo
