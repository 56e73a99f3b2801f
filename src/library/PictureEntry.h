// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One thumbnail on the browser's strip.
struct PictureEntry
{
    int left = 0;     // left edge of the 100 x 100 cell, strip pixels
    int top = 0;      // top edge of the cell
    QString fileName; // the picture's file name, extension included
    QString folder;   // the book folder's full path, no trailing "/"

    QString path() const { return folder + QLatin1Char('/') + fileName; }
    // Strictly inside: the cell's one-pixel border does not count.
    bool hit(int x, int y) const { return left < x && x < left + 100 && top < y && y < top + 100; }
};
