// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

// One cell of the browser's strip as the strip draws it: the top-left corner
// of its 100 x 100 cell, and whether it wears an own picture's frame.
struct StripCell
{
    QPoint at;
    bool framed = false;
};
