// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the default books and help topics were installed, to seed a new data
// folder from. Looked for first in share/tintaloo beside the program's own bin
// folder, so that a package unpacked anywhere (and the build tree, which has
// the same layout) finds its own copy, then in the system's data folders.
namespace InstalledDefaults {

// The folder holding "books" and "help", or "" when there is none.
QString locate();
// The same search from a given program folder; the first candidate that has
// a "books" folder wins.
QString locateFrom(const QString& programDir, const QStringList& dataDirs);

} // namespace InstalledDefaults
