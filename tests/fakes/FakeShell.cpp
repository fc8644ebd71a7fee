#include "fakes/FakeShell.h"

#include <stdexcept>
#include <string>

namespace kelvo {

MenuLevel CopyMenu(const MenuLevel& menu) {
    MenuLevel copy;
    for (int pos = 0; pos < menu.Count(); ++pos) {
        const MenuItem& item = menu.At(pos);
        switch (item.kind) {
            case MenuItemKind::Command: copy.InsertCommand(pos, item.id, item.text, item.icon); break;
            case MenuItemKind::Separator: copy.InsertSeparator(pos); break;
            case MenuItemKind::ColumnBreak: copy.InsertColumnBreak(pos, item.id); break;
            case MenuItemKind::Submenu:
                copy.InsertSubmenu(pos, item.text, item.id, item.icon) = CopyMenu(*item.submenu);
                break;
            case MenuItemKind::Notice: copy.InsertNotice(pos, item.text); break;
        }
    }
    return copy;
}

void FakePopupPresenter::Prepare(const MenuLevel& menu) {
    logTarget.Note("Prepare");
    if (failsPrepare) throw std::runtime_error("the menu cannot be made");
    prepared = CopyMenu(menu);
    ++preparations;
}

int FakePopupPresenter::Track(PopupOpening opening) {
    logTarget.Note(opening == PopupOpening::Keyboard ? "TrackFromKeyboard" : "Track");
    openings.push_back(opening);
    shown.push_back(CopyMenu(prepared));
    if (whileShown) whileShown();
    filled.clear();
    if (choices.empty()) return 0;
    int id = choices.front();
    choices.pop_front();
    return id;
}

void FakePopupPresenter::FillFolder(int id, const MenuLevel& level) {
    logTarget.Note("FillFolder " + std::to_string(id));
    filled.insert_or_assign(id, CopyMenu(level));
}

bool FakePopupPresenter::AddPicture(int icon, int side) {
    if (undrawable.contains(icon)) return false;
    if (pictures.contains(icon)) throw std::logic_error("a picture held twice");
    pictures[icon] = side;
    ++picturesDrawn;
    return true;
}

void FakePopupPresenter::RemovePictures(const std::vector<int>& icons) {
    for (int icon : icons) {
        if (pictures.erase(icon) == 0) throw std::logic_error("a picture removed that is not held");
        picturesRemoved.push_back(icon);
    }
}

}  // namespace kelvo
