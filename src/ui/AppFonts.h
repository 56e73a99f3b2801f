// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The program's two typefaces: a playful, hand-written one for everything
// the child reads and a book face for the version and progress lines. Both
// come from the system's font packages; a missing one falls back to the
// default font at the same size.
namespace AppFonts {

// Comic Neue.
QFont playful(int pointSize, bool bold = false);
// EB Garamond.
QFont classic(int pointSize);

// The font at the largest size from maxPoints down to minPoints in which
// text fits box, word-wrapped or on one line: longer words (German) make a
// text smaller rather than cut it off. minPoints when even that is too big.
QFont shrunkToFit(QFont font, const QString& text, QSize box, bool wrapped, int maxPoints, int minPoints = 7);

// The family names, for tests and style sheets.
inline constexpr const char* PlayfulFamily = "Comic Neue";
inline constexpr const char* ClassicFamily = "EB Garamond";

} // namespace AppFonts
