// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the picture browser shows how far loading the books has got. The
// main window hands in an adapter over the splash window in its progress
// style; without one the browser loads silently.
class LoadProgress
{
public:
    virtual ~LoadProgress() = default;
    // Loading starts: show the progress window (not modal).
    virtual void begin() = 0;
    // The progress line, "Loading(50%)... Animals.".
    virtual void setText(const QString& text) = 0;
    // Loading has ended, well or badly: close the progress window.
    virtual void end() = 0;
};
