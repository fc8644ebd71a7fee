#pragma once

namespace kelvo {

// Help pane texts; the pane wraps the words.
inline constexpr char kDesktopHelpText[] =
    "If you running this program for the first time the "
    "desktop list will be empty. Press <Load DeskTop> button "
    "to load programs on your desktop. You may now customize "
    "the order in wich the programs apear on the popup menu. "
    "You may also remove those that you do not want on KelvoTop "
    "popup menu. "
    "Press <OK> to save your choices or <Cancel> to leave them unchanged ";

inline constexpr char kCustomHelpText[] =
    "Use this CUSTOM kelvomenu view setup tabe to setup "
    "quick access to your most popular aplications and documents. "
    "Press <Lauch Expolorer> button to start Windows(r) explorer. "
    "then drag and drop your favorite applications and documents. "
    "You may now customize "
    "the order in wich the programs apear on the popup menu. "
    "You may also remove those that you do not want on KelvoTop "
    "Custom popup menu. "
    "Press <OK> to save your choices or <Cancel> to leave them unchanged ";

}  // namespace kelvo
