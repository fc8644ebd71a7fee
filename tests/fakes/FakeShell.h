#pragma once
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "menus/MenuLevel.h"
#include "platform/Launcher.h"
#include "platform/Shell.h"
#include "platform/ShellMenus.h"

namespace kelvo {

// A deep copy of `menu`, rows and submenus alike.
MenuLevel CopyMenu(const MenuLevel& menu);

class FakeTaskbar : public Taskbar {
public:
    bool IsPresent() override {
        logTarget.Note("IsPresent");
        return present;
    }
    void AddIcon() override {
        logTarget.Note("AddIcon");
        ++adds;
    }
    void RemoveIcon() override {
        logTarget.Note("RemoveIcon");
        ++removes;
    }

    bool present = true;
    int adds = 0;
    int removes = 0;
    LogTarget logTarget{nullptr, "taskbar"};
};

// Keeps a copy of every menu shown and answers with the scripted choices, in
// order; dismisses the menu (0) once they run out. Its room is as tall and
// wide as a test sets, every row `rowWidth` pixels wide plus
// `pixelsPerByte` for each byte of its caption.
class FakePopupPresenter : public PopupPresenter {
public:
    PopupRoom Room() override { return room; }
    int RowWidth(const MenuItem& row) override {
        return rowWidth + pixelsPerByte * static_cast<int>(row.text.size());
    }
    void Prepare(const MenuLevel& menu) override;
    int Track(PopupOpening opening) override;
    // Keeps a copy of the level; Track forgets them all before it returns.
    void FillFolder(int id, const MenuLevel& level) override;
    void Close() override {
        logTarget.Note("Close");
        ++closes;
    }
    // Holds a picture per icon, as the real one draws it, unless the icon is
    // one of `undrawable`.
    bool AddPicture(int icon, int side) override;
    void RemovePictures(const std::vector<int>& icons) override;

    PopupRoom room{50, 100000, 96};
    int rowWidth = 100;
    int pixelsPerByte = 0;
    // Prepare throws, as a menu that cannot be made does.
    bool failsPrepare = false;

    std::deque<int> choices;
    // Runs while the menu shows, as events that arrive in its menu loop do.
    std::function<void()> whileShown;
    MenuLevel prepared;
    int preparations = 0;
    std::vector<MenuLevel> shown;
    std::vector<PopupOpening> openings;
    // The folders' levels filled while the popup shows, by row id.
    std::map<int, MenuLevel> filled;
    int closes = 0;
    // The pictures held now, by icon: their side.
    std::map<int, int> pictures;
    std::set<int> undrawable;
    int picturesDrawn = 0;
    std::vector<int> picturesRemoved;
    LogTarget logTarget{nullptr, "popup"};
};

// Records the menus it was asked to show and ends each with `outcome`; the
// verb chosen runs with `runFailure` as the system's reason when that is set.
class FakeShellMenus : public ShellMenus {
public:
    ShellMenuOutcome ShowFor(const std::string& path) override {
        logTarget.Note("ShowFor " + path);
        if (whileShown) whileShown();
        return outcome;
    }
    std::optional<std::string> RunChosen() override {
        logTarget.Note("RunChosen");
        return runFailure;
    }
    void ShowNotice(const std::string& text) override { logTarget.Note("ShowNotice " + text); }

    ShellMenuOutcome outcome;
    std::optional<std::string> runFailure;
    // Runs while the shell's menu shows, as events of its menu loop do.
    std::function<void()> whileShown;
    LogTarget logTarget{nullptr, "shellMenus"};
};

// Records what it was asked to open; answers with `failure` as the
// system's reason when that is set.
class FakeLauncher : public Launcher {
public:
    std::optional<std::string> OpenFile(const std::string& path) override {
        logTarget.Note("OpenFile " + path);
        opened.push_back(path);
        return failure;
    }
    std::optional<std::string> StartExplorer() override {
        logTarget.Note("StartExplorer");
        ++explorerStarts;
        return failure;
    }

    std::vector<std::string> opened;
    int explorerStarts = 0;
    std::optional<std::string> failure;
    LogTarget logTarget{nullptr, "launcher"};
};

}  // namespace kelvo
