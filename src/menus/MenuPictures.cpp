#include "menus/MenuPictures.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "platform/Image.h"

namespace kelvo {
namespace {

constexpr int kBaseDpi = 96;

void CollectIcons(const MenuLevel& level, std::set<int>& icons) {
    for (int pos = 0; pos < level.Count(); ++pos) {
        const MenuItem& row = level.At(pos);
        if (row.icon != kNoIcon) icons.insert(row.icon);
        if (row.submenu) CollectIcons(*row.submenu, icons);
    }
}

void Release(HeldPictures& held, PopupPresenter& presenter, const std::set<int>& icons) {
    if (icons.empty()) return;
    presenter.RemovePictures(std::vector<int>(icons.begin(), icons.end()));
    for (int icon : icons) held.icons.erase(icon);
}

// A picture that cannot be drawn is asked for again at the next showing.
void Add(HeldPictures& held, PopupPresenter& presenter, const std::set<int>& icons) {
    for (int icon : icons) {
        if (!held.icons.contains(icon) && presenter.AddPicture(icon, held.side)) held.icons.insert(icon);
    }
}

void ToSide(HeldPictures& held, PopupPresenter& presenter, int dpi) {
    const int side = IconSide(dpi);
    if (side == held.side) return;
    Release(held, presenter, std::set<int>(held.icons));
    held.side = side;
}

}  // namespace

int IconSide(int dpi) {
    return (kBaseIconSide * dpi + kBaseDpi / 2) / kBaseDpi;
}

void HoldPictures(HeldPictures& held, PopupPresenter& presenter, const MenuLevel& level, int dpi) {
    ToSide(held, presenter, dpi);
    std::set<int> wanted;
    CollectIcons(level, wanted);
    std::set<int> unused;
    std::set_difference(held.icons.begin(), held.icons.end(), wanted.begin(), wanted.end(),
                        std::inserter(unused, unused.end()));
    Release(held, presenter, unused);
    Add(held, presenter, wanted);
}

void AddPictures(HeldPictures& held, PopupPresenter& presenter, const MenuLevel& level) {
    std::set<int> wanted;
    CollectIcons(level, wanted);
    Add(held, presenter, wanted);
}

}  // namespace kelvo
