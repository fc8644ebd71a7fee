#pragma once
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

#include "fakes/CallLog.h"
#include "platform/Options.h"
#include "store/StoredOptions.h"
#include "text/TextUtils.h"

namespace kelvo {

class FakeCheckBox : public CheckBox {
public:
    bool IsChecked() const override { return checked; }
    void SetChecked(bool on) override { checked = on; }

    bool checked = false;
};

class FakeHotKeyField : public HotKeyField {
public:
    std::optional<HotKey> Key() const override { return key; }
    void SetKey(const std::optional<HotKey>& value) override { key = value; }

    std::optional<HotKey> key;
};

// Keys in `taken` are held by another program.
class FakeMenuKey : public MenuKey {
public:
    bool Register(const HotKey& key) override {
        logTarget.Note("Register " + HotKeyText(key));
        if (taken.contains(HotKeyText(key))) return false;
        registered = key;
        return true;
    }
    void Release() override {
        logTarget.Note("Release");
        registered.reset();
    }

    std::set<std::string> taken;
    std::optional<HotKey> registered;
    LogTarget logTarget{nullptr, "menuKey"};
};

// The Run entry in memory, with the system's switch beside it.
class FakeSignInStart : public SignInStart {
public:
    std::string ProgramPath() const override { return programPath; }
    // A command names the program when it is its path, quoted or not, with
    // or without arguments, in any case of ASCII letters.
    bool NamesThisProgram(const std::string& line) const override {
        return AsciiLowerCase(ProgramOf(line)) == AsciiLowerCase(programPath);
    }
    std::optional<std::string> Command() override {
        if (unreadable) throw std::runtime_error("Access is denied.");
        return command;
    }
    bool SwitchedOff() override { return switchedOff; }
    void Put(const std::string& value) override {
        logTarget.Note("Put " + value);
        if (refusesWrites) throw std::runtime_error("Access is denied.");
        command = value;
        switchedOff = false;
    }
    void Remove() override {
        logTarget.Note("Remove");
        if (refusesWrites) throw std::runtime_error("Access is denied.");
        command.reset();
    }

    std::string programPath = "C:\\Program Files\\KelvoTop\\KelvoTop.exe";
    std::optional<std::string> command;
    bool switchedOff = false;
    bool unreadable = false;
    bool refusesWrites = false;
    LogTarget logTarget{nullptr, "signInStart"};

private:
    static std::string ProgramOf(const std::string& line) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string::npos) return {};
        if (line[start] == '"') return line.substr(start + 1, line.find('"', start + 1) - start - 1);
        return line.substr(start, line.find(' ', start) - start);
    }
};

}  // namespace kelvo
