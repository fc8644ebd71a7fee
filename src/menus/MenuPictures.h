#pragma once
#include <set>

#include "menus/MenuLevel.h"
#include "platform/Shell.h"

namespace kelvo {

// Pixels across a row's icon at `dpi`.
int IconSide(int dpi);

// The pictures the presenter holds for the popup's rows: one per distinct
// icon, all of one side.
struct HeldPictures {
    int side = 0;
    std::set<int> icons;
};

// Makes the presenter hold a picture for every icon that rows of `level`
// show, at the side for `dpi`, and frees those that no row of it shows:
// `level` is the whole popup, its lists as they are now. All are freed
// first where the side changed.
void HoldPictures(HeldPictures& held, PopupPresenter& presenter, const MenuLevel& level, int dpi);

// As HoldPictures, for a level filled while the popup shows, at the side of
// the popup's pictures: none is freed, as the popup's other rows still show
// theirs.
void AddPictures(HeldPictures& held, PopupPresenter& presenter, const MenuLevel& level);

}  // namespace kelvo
