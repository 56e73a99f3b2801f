// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

// Where the thumbnails go on the browser's strip: 100-pixel cells on a
// 105-pixel pitch from x = 6, as many columns as fit while the last cell's
// right edge stays at least 5 pixels inside the strip. Each book starts a
// new row 40 pixels below the previous book's last row (140 below its top);
// a book without pictures is simply never begun and takes no room.
class StripLayout
{
public:
    static constexpr int Pitch = 105;
    static constexpr int FirstLeft = 6;

    // width: the strip's inner width; height: its height before loading.
    StripLayout(int width, int height);

    void beginBook();
    // The top-left corner of the next cell of the current book.
    QPoint placeNext();
    void endBook();

    // The strip height the cells placed so far need (never less than the
    // height it started with).
    int height() const { return m_height; }

private:
    int m_width;
    int m_height;
    int m_y = -39;
    int m_column = -1;
};
