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

// The family names, for tests and style sheets.
inline constexpr const char* PlayfulFamily = "Comic Neue";
inline constexpr const char* ClassicFamily = "EB Garamond";

} // namespace AppFonts
