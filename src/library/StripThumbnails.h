// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/BookContents.h"

#include <QHash>
#include <QImage>
#include <QList>

// Where the browser's strip reads each cell's thumbnail once the cell comes
// into view: the books' listings, kept from the load, and the cells in
// strip order. A thumbnail is read through BookStore::browserThumbnail, with
// every check the load applies; one that is missing (its writing failed at
// load) is made and written again.
class StripThumbnails
{
public:
    // The books as loaded, every picture in them one cell, in order.
    void setBooks(QList<BookContents> books);
    void clear();

    // The thumbnail of a cell; null when it cannot be read.
    QImage thumbnail(int cell);
    // The cell shows this thumbnail from now on (the picture was coloured
    // since the load, and its coloured folder may not have been listed).
    void replace(int cell, const QImage& thumbnail);

private:
    struct Place
    {
        qsizetype book;
        qsizetype picture;
    };

    QList<BookContents> m_books;
    QList<Place> m_cells;
    // Few: only pictures chosen while the browser lives.
    QHash<int, QImage> m_replaced;
};
