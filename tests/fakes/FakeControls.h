#pragma once
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "platform/Controls.h"

namespace kelvo {

class FakeButton : public Button {
public:
    explicit FakeButton(std::string name = "button") : logTarget{nullptr, std::move(name)} {}
    void Enable(bool on) override {
        logTarget.Note(on ? "Enable" : "Disable");
        enabled = on;
    }
    bool IsEnabled() const override { return enabled; }

    bool enabled = true;
    LogTarget logTarget;
};

class FakeTabControl : public TabControl {
public:
    int Selected() const override { return selected; }
    void Select(int tab) override { selected = tab; }

    int selected = 0;
};

class FakeWindow : public Window {
public:
    explicit FakeWindow(std::string name = "window") : logTarget{nullptr, std::move(name)} {}
    void Show() override {
        logTarget.Note("Show");
        visible = true;
    }
    void Hide() override {
        logTarget.Note("Hide");
        visible = false;
    }
    bool IsVisible() const override { return visible; }
    void Centre() override {
        logTarget.Note("Centre");
        centred = true;
    }
    void WidenBy(int twips) override {
        logTarget.Note("WidenBy " + std::to_string(twips));
        widthTwips += twips;
    }

    bool visible = false;
    bool centred = false;
    int widthTwips = 6735;
    LogTarget logTarget;
};

class FakeEventPump : public EventPump {
public:
    void RunPending() override {
        logTarget.Note("RunPending");
        ++runs;
    }

    int runs = 0;
    LogTarget logTarget{nullptr, "pump"};
};

class FakeProgram : public Program {
public:
    void End() override {
        logTarget.Note("End");
        ended = true;
    }

    bool ended = false;
    LogTarget logTarget{nullptr, "program"};
};

}  // namespace kelvo

namespace kelvo {

class FakeBusyPointer : public BusyPointer {
public:
    void SetBusy(bool on) override {
        logTarget.Note(on ? "Busy" : "Idle");
        busy = on;
    }

    bool busy = false;
    LogTarget logTarget{nullptr, "pointer"};
};

class FakeTextBox : public TextBox {
public:
    void SetText(const std::string& value) override { text = value; }
    std::string Text() const override { return text; }

    std::string text = "Text1";
};

}  // namespace kelvo

namespace kelvo {

class FakeDropTarget : public DropTarget {
public:
    void AcceptDrops() override {
        logTarget.Note("AcceptDrops");
        ++accepts;
    }

    int accepts = 0;
    LogTarget logTarget{nullptr, "dropTarget"};
};

class FakeMessageBoxes : public MessageBoxes {
public:
    void Inform(const std::string& text) override {
        logTarget.Note("Inform " + text);
        shown.push_back(text);
    }

    std::vector<std::string> shown;
    LogTarget logTarget{nullptr, "messages"};
};

}  // namespace kelvo
