// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Before any window opens, the data folder must be a folder this user can
// write in: it is created when missing. Returns "" when the folder is usable,
// otherwise a one-line explanation for the person who started the program.
namespace DataFolderCheck {

QString problemWith(const QString& path);

} // namespace DataFolderCheck
