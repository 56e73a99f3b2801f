// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/StripThumbnails.h"

#include "library/BookStore.h"
#include "platform/AppError.h"
#include "platform/ImageFile.h"
#include "platform/Log.h"

#include <QSet>

StripThumbnails::~StripThumbnails()
{
    flush();
}

void StripThumbnails::setBooks(QList<BookContents> books)
{
    clear();
    m_books = std::move(books);
    for (qsizetype b = 0; b < m_books.size(); ++b)
        for (qsizetype p = 0; p < m_books.at(b).pictures.size(); ++p)
            m_cells.append(Place{b, p});
}

void StripThumbnails::clear()
{
    // The staged entries point into the listings.
    flush();
    m_books.clear();
    m_cells.clear();
    m_replaced.clear();
    m_nextMissing = 0;
}

QImage StripThumbnails::thumbnail(int cell)
{
    const auto replaced = m_replaced.constFind(cell);
    if (replaced != m_replaced.cend())
        return *replaced;
    const auto staged = m_staged.constFind(cell);
    if (staged != m_staged.cend())
        return staged->thumbnail;
    if (cell < 0 || cell >= m_cells.size())
        return {};
    const Place place = m_cells.at(cell);
    BookContents& book = m_books[place.book];
    const QString& file = book.pictures.at(place.picture);
    try {
        const auto [listing, name] = BookStore::browserThumbnailSource(book, file);
        const QString existing = listing->find(name + BookStore::ThumbnailSuffix);
        if (!existing.isEmpty())
            return ImageFile::read(listing->pathOf(existing));
        return make(cell);
    } catch (const AppError& e) {
        // Checked at load, damaged since or beyond its header: the cell
        // stays white and still opens its picture.
        qCWarning(Log::files) << "The thumbnail of" << book.folder() << file << "cannot be read:" << e.description();
        return {};
    }
}

void StripThumbnails::replace(int cell, const QImage& thumbnail)
{
    m_replaced.insert(cell, thumbnail);
}

// Makes the cell's thumbnail from its picture and stages it for the disk.
// Throws AppError for a picture that cannot be read.
QImage StripThumbnails::make(int cell)
{
    const Place place = m_cells.at(cell);
    BookContents& book = m_books[place.book];
    const auto [listing, name] = BookStore::browserThumbnailSource(book, book.pictures.at(place.picture));
    const QImage thumbnail = m_maker.make(listing->pathOf(name));
    const QString thumbName = name + BookStore::ThumbnailSuffix;
    // One that cannot be written is shown from memory and made again the
    // next time it is needed.
    if (m_batch.add(listing->pathOf(thumbName), ImageFile::encodeBmp24(thumbnail))) {
        m_staged.insert(cell, Staged{thumbnail, listing, thumbName});
        if (m_staged.size() >= BatchSize)
            flush();
    }
    return thumbnail;
}

bool StripThumbnails::isMissing(int cell)
{
    if (m_replaced.contains(cell) || m_staged.contains(cell))
        return false;
    const Place place = m_cells.at(cell);
    BookContents& book = m_books[place.book];
    const auto [listing, name] = BookStore::browserThumbnailSource(book, book.pictures.at(place.picture));
    return !listing->contains(name + BookStore::ThumbnailSuffix);
}

void StripThumbnails::tryMake(int cell)
{
    try {
        make(cell);
    } catch (const AppError& e) {
        // The cell stays white, as for a thumbnail that breaks when shown.
        const Place place = m_cells.at(cell);
        qCWarning(Log::files) << "The thumbnail of" << m_books.at(place.book).folder()
                              << m_books.at(place.book).pictures.at(place.picture) << "cannot be made:" << e.description();
    }
}

void StripThumbnails::makeMissing(int first, int end)
{
    for (int cell = qMax(first, 0); cell < qMin(end, int(m_cells.size())); ++cell)
        if (isMissing(cell))
            tryMake(cell);
    flush();
}

bool StripThumbnails::makeNext()
{
    while (m_nextMissing < m_cells.size()) {
        const int cell = int(m_nextMissing++);
        if (!isMissing(cell))
            continue;
        tryMake(cell);
        if (hasMissing())
            return true;
    }
    flush();
    return false;
}

void StripThumbnails::flush()
{
    if (m_staged.isEmpty())
        return;
    const QStringList placed = m_batch.commit();
    const QSet<QString> written(placed.cbegin(), placed.cend());
    for (const Staged& staged : std::as_const(m_staged))
        if (written.contains(staged.listing->pathOf(staged.name)))
            staged.listing->add(staged.name);
    m_staged.clear();
}
