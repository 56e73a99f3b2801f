// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/BookContents.h"
#include "library/ThumbnailMaker.h"
#include "platform/AtomicBatch.h"

#include <QHash>
#include <QImage>
#include <QList>

// Where the browser's strip reads each cell's thumbnail once the cell comes
// into view: the books' listings, kept from the load, and the cells in
// strip order. A thumbnail on disk is read with every check the load
// applies; one that is missing (not made yet, or its writing failed) is
// made then.
//
// Thumbnails not on disk after the load are made here: those a cell shows
// at once, and the others one at a time in the browser's idle moments
// (makeNext). They go to the disk in batches with one flush each
// (AtomicBatch), so a thousand new pictures do not cost a thousand flushes;
// until its batch is written a thumbnail is kept in memory.
class StripThumbnails
{
public:
    // Thumbnails made and not yet written: at most this many wait.
    static constexpr int BatchSize = 64;

    StripThumbnails() = default;
    StripThumbnails(const StripThumbnails&) = delete;
    StripThumbnails& operator=(const StripThumbnails&) = delete;
    // Writes the thumbnails still waiting.
    ~StripThumbnails();

    // The books as loaded, every picture in them one cell, in order.
    void setBooks(QList<BookContents> books);
    void clear();

    // The thumbnail of a cell; null when it cannot be read.
    QImage thumbnail(int cell);
    // The cell shows this thumbnail from now on (the picture was coloured
    // since the load, and its coloured folder may not have been listed).
    void replace(int cell, const QImage& thumbnail);

    // Makes the thumbnails of the cells first to end - 1 that are not on
    // disk yet, and writes them.
    void makeMissing(int first, int end);
    // Makes the next thumbnail that is not on disk yet; false once there is
    // none left (every one made is then written).
    bool makeNext();
    bool hasMissing() const { return m_nextMissing < m_cells.size(); }
    // Writes every thumbnail made so far, with one flush for all of them.
    void flush();

private:
    struct Place
    {
        qsizetype book;
        qsizetype picture;
    };
    struct Staged
    {
        QImage thumbnail;
        FolderListing* listing;
        QString name; // the thumbnail's name in listing
    };

    QImage make(int cell);
    // make(), with a picture that cannot be read only logged.
    void tryMake(int cell);
    // Whether the cell's thumbnail is neither on disk nor in memory.
    bool isMissing(int cell);

    QList<BookContents> m_books;
    QList<Place> m_cells;
    // Few: only pictures chosen while the browser lives.
    QHash<int, QImage> m_replaced;
    QHash<int, Staged> m_staged;
    AtomicBatch m_batch;
    ThumbnailMaker m_maker;
    qsizetype m_nextMissing = 0; // the idle maker goes through the cells in order
};
