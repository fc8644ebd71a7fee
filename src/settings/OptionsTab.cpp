#include "settings/OptionsTab.h"

#include <exception>

#include "text/TextUtils.h"
#include "store/StoredOptions.h"

namespace kelvo {
namespace {

void CommitStart(const OptionsParts& parts, const OptionsState& state, std::string& failures) {
    const bool wanted = parts.controls.startAtSignIn.IsChecked();
    if (wanted == state.startShown) return;
    try {
        if (wanted) {
            parts.signInStart.Put(SignInCommand(parts.signInStart.ProgramPath()));
        } else {
            parts.signInStart.Remove();
        }
    } catch (const std::exception& error) {
        AppendLine(failures, std::string(wanted ? "KelvoTop could not be set to start when you sign in: "
                                                : "KelvoTop could not be kept from starting when you sign in: ") +
                                 error.what());
    }
}

// The program holds `wanted` from now on; false when another program holds
// it, and then the key held before is held again.
bool SwitchKey(MenuKey& menuKey, OptionsState& state, const HotKey& wanted) {
    if (state.registeredKey == wanted) return true;
    const std::optional<HotKey> before = state.registeredKey;
    ReleaseMenuKey(menuKey, state);
    if (menuKey.Register(wanted)) {
        state.registeredKey = wanted;
        return true;
    }
    if (before && menuKey.Register(*before)) state.registeredKey = before;
    return false;
}

// Only the user's change of the field changes the stored key. A stored key
// that could not be taken is tried again, and said again on the Options tab.
void CommitMenuKey(const OptionsParts& parts, SettingsStore& store, OptionsState& state, bool onOptionsTab,
                   std::string& failures) {
    const std::optional<HotKey> wanted = parts.controls.menuKeyField.Key();
    if (wanted == state.keyShown) {
        if (wanted && !SwitchKey(parts.menuKey, state, *wanted) && onOptionsTab)
            AppendLine(failures, KeyTakenMessage(*wanted));
        return;
    }
    if (!wanted) {
        ReleaseMenuKey(parts.menuKey, state);
    } else if (!SwitchKey(parts.menuKey, state, *wanted)) {
        AppendLine(failures, KeyTakenMessage(*wanted));
        return;
    }
    try {
        WriteMenuKey(store, wanted);
    } catch (const std::exception& error) {
        AppendLine(failures, std::string("The key to open the menu could not be saved: ") + error.what());
    }
}

// One check box of an option that takes effect at once, in this session
// even when it cannot be saved.
struct Switch {
    CheckBox& box;
    bool shown;
    bool& inEffect;
    void (*write)(SettingsStore&, bool);
    const char* choice;
};

void CommitSwitch(const Switch& option, SettingsStore& store, std::string& failures) {
    const bool wanted = option.box.IsChecked();
    if (wanted == option.shown) return;
    option.inEffect = wanted;
    try {
        option.write(store, wanted);
    } catch (const std::exception& error) {
        AppendLine(failures, std::string("The choice to ") + option.choice + " could not be saved: " + error.what());
    }
}

}  // namespace

std::string SignInCommand(const std::string& programPath) {
    return "\"" + programPath + "\"";
}

bool StartsAtSignIn(SignInStart& start) {
    try {
        const std::optional<std::string> command = start.Command();
        return command && start.NamesThisProgram(*command) && !start.SwitchedOff();
    } catch (const std::exception&) {
        return false;
    }
}

std::optional<std::string> RegisterStoredMenuKey(MenuKey& menuKey, SettingsStore& store, OptionsState& state) {
    const std::optional<HotKey> key = ReadMenuKey(store);
    if (!key) return std::nullopt;
    if (!menuKey.Register(*key)) return KeyTakenMessage(*key);
    state.registeredKey = key;
    return std::nullopt;
}

void FillOptionsTab(const OptionsParts& parts, SettingsStore& store, OptionsState& state) {
    state.startShown = StartsAtSignIn(parts.signInStart);
    state.keyShown = ReadMenuKey(store);
    state.folderMenusShown = state.folderMenus;
    state.menuIconsShown = state.menuIcons;
    parts.controls.startAtSignIn.SetChecked(state.startShown);
    parts.controls.menuKeyField.SetKey(state.keyShown);
    parts.controls.folderMenus.SetChecked(state.folderMenusShown);
    parts.controls.menuIcons.SetChecked(state.menuIconsShown);
}

std::string CommitOptions(const OptionsParts& parts, SettingsStore& store, OptionsState& state, bool onOptionsTab) {
    std::string failures;
    CommitStart(parts, state, failures);
    CommitMenuKey(parts, store, state, onOptionsTab, failures);
    CommitSwitch(Switch{parts.controls.folderMenus, state.folderMenusShown, state.folderMenus, WriteFolderMenus,
                        "show folders as submenus"},
                 store, failures);
    CommitSwitch(Switch{parts.controls.menuIcons, state.menuIconsShown, state.menuIcons, WriteMenuIcons,
                        "show icons in the menu"},
                 store, failures);
    return failures;
}

void ReleaseMenuKey(MenuKey& menuKey, OptionsState& state) {
    if (state.registeredKey) menuKey.Release();
    state.registeredKey.reset();
}

std::string KeyTakenMessage(const HotKey& key) {
    return "The key " + HotKeyText(key) +
           " is used by another program, so it cannot open the menu; choose another key.";
}

}  // namespace kelvo
