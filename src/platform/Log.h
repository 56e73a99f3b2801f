// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The developer's log. The child never sees a failure the program can live
// with (a thumbnail it cannot write, a start-up step it skips, a stale file
// it cannot remove); such a failure still leaves one warning here, with what
// failed and why. Never per pixel or per animation step.
//
// Categories, switched with QT_LOGGING_RULES (e.g. "tintaloo.*.warning=false"):
//   tintaloo.files    reading, writing and removing files and folders
//   tintaloo.windows  start-up steps, windows and their controls
namespace Log {

inline const QLoggingCategory& files()
{
    static const QLoggingCategory category("tintaloo.files");
    return category;
}

inline const QLoggingCategory& windows()
{
    static const QLoggingCategory category("tintaloo.windows");
    return category;
}

} // namespace Log
