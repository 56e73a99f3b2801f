// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/StripThumbnails.h"

#include "library/BookStore.h"
#include "platform/AppError.h"
#include "platform/Log.h"

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
    m_books.clear();
    m_cells.clear();
    m_replaced.clear();
}

QImage StripThumbnails::thumbnail(int cell)
{
    const auto replaced = m_replaced.constFind(cell);
    if (replaced != m_replaced.cend())
        return *replaced;
    if (cell < 0 || cell >= m_cells.size())
        return {};
    const Place place = m_cells.at(cell);
    BookContents& book = m_books[place.book];
    const QString& file = book.pictures.at(place.picture);
    try {
        return BookStore::browserThumbnail(book, file);
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
