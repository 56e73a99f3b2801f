// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/BookStore.h"

#include "imaging/cNDib.h"
#include "library/PicturePackInstaller.h"
#include "library/ThumbnailMaker.h"
#include "platform/AppError.h"
#include "platform/AtomicFile.h"
#include "platform/ImageFile.h"
#include "platform/ProgramFolder.h"
#include "platform/Log.h"

#include <QFile>
#include <QFileInfo>
#include <utility>

namespace {

bool isAsciiLower(QChar c)
{
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}

// The thumbnail of the file name in listing: read when it is on disk,
// otherwise made from the file and added to the listing once written.
QImage thumbnailIn(FolderListing& listing, const QString& name)
{
    const QString thumbName = name + BookStore::ThumbnailSuffix;
    const QString existing = listing.find(thumbName);
    if (!existing.isEmpty())
        return ImageFile::read(listing.pathOf(existing));
    bool written = false;
    QImage thumbnail = BookStore::makeThumbnail(listing.pathOf(name), listing.pathOf(thumbName), &written);
    if (written)
        listing.add(thumbName);
    return thumbnail;
}

// A listing of folder when it lies inside the program folder; an empty one
// (as for a missing folder) when a link leads it outside.
FolderListing listingInside(const ProgramFolder& root, const QString& folder)
{
    if (!QFileInfo(folder).isDir() || !root.holds(folder))
        return FolderListing();
    return FolderListing(folder, FolderListing::Kind::Files);
}

} // namespace

BookStore::BookStore(const ProgramFolder& folder)
    : m_folder(folder)
{
}

QString BookStore::ProperCase(const QString& txt)
{
    // Character by character, so the title keeps the folder name's length.
    QString lower = txt;
    for (QChar& c : lower)
        c = c.toLower();
    QString title = lower;
    for (qsizetype i = 0; i < lower.size(); ++i) {
        if (isAsciiLower(lower.at(i)) && (i == 0 || !isAsciiLower(lower.at(i - 1))))
            title[i] = lower.at(i).toUpper();
    }
    return title;
}

bool BookStore::isPictureName(const QString& name)
{
    return name.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)
        || name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)
        || name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
}

bool BookStore::isSafeBookName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QChar(0));
}

bool BookStore::isSafePictureName(const QString& name)
{
    return isSafeBookName(name) && isPictureName(name);
}

QString BookStore::booksFolder() const
{
    return m_folder.path(QStringLiteral("/books"));
}

bool BookStore::booksExist() const
{
    return QFileInfo(booksFolder()).isDir();
}

QString BookStore::bookFolder(const QString& book) const
{
    return m_folder.path(QStringLiteral("/books/") + book);
}

QString BookStore::ownPicturesFolder() const
{
    return bookFolder(OwnPicturesName);
}

QString BookStore::coloredFolder(const QString& book) const
{
    return m_folder.path(QStringLiteral("/colored pictures/") + book);
}

bool BookStore::isOwnPicturesName(const QString& book) const
{
    return book.compare(OwnPicturesName, Qt::CaseInsensitive) == 0;
}

QStringList BookStore::books() const
{
    QStringList names = FolderListing(booksFolder(), FolderListing::Kind::Folders).sortedNames();
    names.removeIf([this](const QString& name) {
        return FolderListing::isHiddenName(name) || !m_folder.holds(bookFolder(name));
    });
    return names;
}

QStringList BookStore::pictures(const QString& folder)
{
    QStringList names = FolderListing(folder, FolderListing::Kind::Files).sortedNames();
    names.removeIf([](const QString& name) { return !isPictureName(name); });
    return names;
}

BookContents BookStore::readBook(const QString& book) const
{
    BookContents contents;
    contents.name = book;
    contents.title = ProperCase(book);
    contents.ownPictures = isOwnPicturesName(book);
    contents.files = listingInside(m_folder, bookFolder(book));
    sweepOrphanThumbnails(contents.files);
    // The coloured folder is looked up under the title; the case-blind
    // lookup finds it whatever case the saving code created it in.
    contents.colored = listingInside(m_folder, coloredFolder(contents.title));
    sweepOrphanThumbnails(contents.colored);
    contents.pictures = contents.files.sortedNames();
    contents.pictures.removeIf([](const QString& name) { return !isPictureName(name); });
    return contents;
}

QString BookStore::coloredPicturePath(const QString& picturePath) const
{
    const QFileInfo picture(picturePath);
    const QString book = QFileInfo(picture.path()).fileName();
    return m_folder.path(QStringLiteral("/colored pictures/") + book + QLatin1Char('/')
                         + picture.fileName() + ColoredSuffix);
}

QString BookStore::thumbnailPath(const QString& picturePath)
{
    const QFileInfo picture(picturePath);
    return ProgramFolder::resolve(picture.path(),
                                  QLatin1Char('/') + picture.fileName() + ThumbnailSuffix);
}

std::pair<FolderListing*, QString> BookStore::browserThumbnailSource(BookContents& book, const QString& file)
{
    const QString colored = book.colored.find(file + ColoredSuffix);
    if (!colored.isEmpty())
        return {&book.colored, colored};
    return {&book.files, file};
}

QImage BookStore::browserThumbnail(BookContents& book, const QString& file)
{
    const auto [listing, name] = browserThumbnailSource(book, file);
    return thumbnailIn(*listing, name);
}

void BookStore::checkBrowserThumbnail(BookContents& book, const QString& file)
{
    const auto [listing, name] = browserThumbnailSource(book, file);
    const QString existing = listing->find(name + ThumbnailSuffix);
    if (!existing.isEmpty()) {
        ImageFile::check(listing->pathOf(existing));
        return;
    }
    try {
        ImageFile::checkWhole(listing->pathOf(name));
    } catch (const AppError&) {
        // Not whole by its structure: whether it can be read at all is the
        // decoder's to say, as it always was.
        thumbnailIn(*listing, name);
    }
}

QImage BookStore::thumbnailOf(const QImage& picture)
{
    cNDib dib;
    if (!dib.Make_From_Image(picture))
        throw AppError(ErrorNumber::InvalidPicture, QStringLiteral("Invalid picture"));
    QImage thumbnail(ThumbnailSize, ThumbnailSize, QImage::Format_RGB32);
    thumbnail.fill(0xFFFFFFFF);
    dib.Set_dib_Fit(thumbnail, 0, 0, ThumbnailSize, ThumbnailSize);
    return thumbnail;
}

QImage BookStore::makeThumbnail(const QString& source, const QString& thumbPath, bool* written)
{
    QImage thumbnail = ThumbnailMaker().make(source);
    bool ok = true;
    try {
        AtomicFile::write(thumbPath, ImageFile::encodeBmp24(thumbnail));
    } catch (const AppError& e) {
        ok = false; // shown from memory; written the next time it is needed
        qCWarning(Log::files) << "Could not write the thumbnail" << thumbPath << ":" << e.description();
    }
    if (written)
        *written = ok;
    return thumbnail;
}

int BookStore::removeStaleTemporaries() const
{
    int removed = AtomicFile::removeStaleTemporaries(m_folder.root());
    if (m_folder.holds(booksFolder()))
        removed += PicturePackInstaller::sweepAbandonedImports(booksFolder());
    QStringList folders;
    for (const QString& book : books())
        folders << bookFolder(book);
    const QString colored = m_folder.path(QStringLiteral("/colored pictures"));
    if (m_folder.holds(colored)) {
        for (const QString& book : FolderListing(colored, FolderListing::Kind::Folders).sortedNames())
            folders << coloredFolder(book);
    }
    for (const QString& folder : std::as_const(folders)) {
        if (m_folder.holds(folder))
            removed += AtomicFile::removeStaleTemporaries(folder);
    }
    return removed;
}

int BookStore::sweepOrphanThumbnails(const QString& folder) const
{
    FolderListing listing = listingInside(m_folder, folder);
    return sweepOrphanThumbnails(listing);
}

int BookStore::sweepOrphanThumbnails(FolderListing& listing)
{
    int deleted = 0;
    const QStringList names = listing.sortedNames();
    for (const QString& name : names) {
        if (!name.endsWith(ThumbnailSuffix, Qt::CaseInsensitive))
            continue;
        if (listing.contains(name.chopped(ThumbnailSuffix.size())))
            continue;
        if (QFile::remove(listing.pathOf(name))) {
            listing.remove(name);
            ++deleted;
        }
    }
    return deleted;
}

QString BookStore::nextOwnPicturePath() const
{
    const FolderListing own(ownPicturesFolder(), FolderListing::Kind::Files);
    for (int n = 0;; ++n) {
        const QString name = QStringLiteral("own_%1.bmp").arg(n);
        if (!own.contains(name))
            return own.folder() + QLatin1Char('/') + name;
    }
}
