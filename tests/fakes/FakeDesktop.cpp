#include "fakes/FakeDesktop.h"

namespace kelvo {

FakeListParts::FakeListParts() {
    for (LogTarget* target : {&store.logTarget, &desktopList.logTarget, &customList.logTarget,
                              &desktopImages.logTarget, &customImages.logTarget, &pointer.logTarget,
                              &pump.logTarget, &messages.logTarget}) {
        target->log = &log;
    }
}

FakeDesktop::FakeDesktop() : FakeTray(files) {
    for (LogTarget* target : {&store.logTarget, &desktopList.logTarget, &customList.logTarget,
                              &desktopImages.logTarget, &customImages.logTarget, &settingsWindow.logTarget,
                              &splash.logTarget, &waitNotice.logTarget, &customMoveDown.logTarget,
                              &customMoveUp.logTarget, &customRemoveItem.logTarget,
                              &desktopMoveDown.logTarget, &desktopMoveUp.logTarget,
                              &desktopRemoveItem.logTarget, &help.logTarget, &taskbar.logTarget,
                              &popup.logTarget, &pump.logTarget, &program.logTarget,
                              &launcher.logTarget, &pointer.logTarget, &dropTarget.logTarget,
                              &messages.logTarget, &menuKey.logTarget, &signInStart.logTarget, &follower.logTarget,
                              &shellMenus.logTarget, &icons.logTarget}) {
        target->log = &log;
    }
}

}  // namespace kelvo
