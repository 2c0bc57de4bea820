#pragma once

#include <QString>

// The texts that carry the maker's credit: the window title and the two title screens.

// Taskbar text and the caption of the plain message and error boxes.
inline constexpr char kApplicationTitle[] = "zeru";

// A short name in Latin letters, used wherever the layout asks for the maker.
inline constexpr char kMakerCredit[] = "Zeru Works";

QString WindowTitleText();
// moji_l before the first restart; its runs of blanks push the title onto lines of their own.
QString MojiTitleText();
// state_l before the first restart.
QString StateTitleText();
// Label1 of the record entry: the author, the date of making and the maker.
QString CreditsLineText();
