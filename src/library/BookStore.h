// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/BookContents.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <utility>

class ProgramFolder;

// The books and coloured pictures on disk. A book is a folder under
// "/books", a picture is an image file in it, and its thumbnail is the
// picture's name plus ".tnl" beside it; the coloured version of a book
// picture is "/colored pictures/" + book + "/" + file + ".jpg". There is no
// index: everything is found by listing folders, and every name is matched
// without regard to letter case.
//
// Folder paths are returned without a trailing "/"; a path whose folder or
// file does not exist keeps the spelling it was asked for.
class BookStore
{
public:
    static constexpr int ThumbnailSize = 100;
    static inline const QString OwnPicturesName = QStringLiteral("own pictures");
    static inline const QString ThumbnailSuffix = QStringLiteral(".tnl");
    static inline const QString ColoredSuffix = QStringLiteral(".jpg");

    explicit BookStore(const ProgramFolder& folder);

    const ProgramFolder& programFolder() const { return m_folder; }

    // A display title: everything lower-cased, then each letter a-z that
    // starts the text or follows a character outside a-z upper-cased
    // ("my book2go" -> "My Book2Go", "bob's pics" -> "Bob'S Pics").
    static QString ProperCase(const QString& txt);
    // Whether a file name is a picture of a book (.gif, .bmp, .jpg, any case).
    static bool isPictureName(const QString& name);
    // Names that come from outside (picture packs) may only name an entry of
    // one folder: not empty, no path separator, not "." or "..". A picture
    // name must also be a picture's.
    static bool isSafeBookName(const QString& name);
    static bool isSafePictureName(const QString& name);

    QString booksFolder() const;
    bool booksExist() const;
    QString bookFolder(const QString& book) const;
    QString ownPicturesFolder() const;
    QString coloredFolder(const QString& book) const;
    bool isOwnPicturesName(const QString& book) const;

    // Every subfolder of "/books" ("own pictures" among them), sorted by name
    // without regard to case. A folder that a link leads outside the program
    // folder is left out: nothing is ever read from, written to or deleted
    // in it.
    QStringList books() const;
    // The picture files of a folder, sorted the same way.
    static QStringList pictures(const QString& folder);
    // Lists one book and its coloured folder and sweeps orphan thumbnails out
    // of both, as the picture browser does for each book it loads. Either
    // folder counts as empty when a link leads it outside the program folder.
    BookContents readBook(const QString& book) const;

    // The coloured version of a book picture given by its full path
    // (".../books/Animals/cat.bmp" -> ".../colored pictures/Animals/cat.bmp.jpg").
    QString coloredPicturePath(const QString& picturePath) const;
    // The thumbnail of a picture: picture path + ".tnl", in the existing
    // spelling when one differs only in case.
    static QString thumbnailPath(const QString& picturePath);
    // The thumbnail that stands for a book picture in the picture browser:
    // the coloured picture's when a coloured version exists, otherwise the
    // picture's own; made and written first when it is not on disk yet.
    static QImage browserThumbnail(BookContents& book, const QString& file);
    // Where that thumbnail comes from: the listing of the folder that holds
    // its picture (the coloured folder or the book's), and the picture's name
    // there; the thumbnail is that name + ThumbnailSuffix.
    static std::pair<FolderListing*, QString> browserThumbnailSource(BookContents& book, const QString& file);
    // What the browser's load does for each picture instead of reading its
    // thumbnail: one on disk is checked without decoding (ImageFile::check);
    // for one that is not, the picture is checked by its structure without
    // decoding (ImageFile::checkWhole), and the thumbnail is made later, when
    // the browser shows it or has a moment. A picture that fails that check
    // is decoded at once and its thumbnail made and written as
    // browserThumbnail() would. Throws AppError for a picture the browser
    // leaves out.
    static void checkBrowserThumbnail(BookContents& book, const QString& file);

    // The thumbnail image of a picture: 100 x 100, white, the picture fitted
    // in with its aspect ratio kept and centred (small pictures enlarged).
    static QImage thumbnailOf(const QImage& picture);
    // Reads source, makes its thumbnail and writes it to thumbPath as a
    // 24-bit BMP. Returns the thumbnail, also when it could not be written
    // (a full disk, a write-protected folder, a name too long): *written then
    // says false and the next use tries again. Throws AppError for a source
    // that cannot be read: InvalidPicture for a damaged or foreign picture,
    // FileNotFound for a missing one.
    static QImage makeThumbnail(const QString& source, const QString& thumbPath, bool* written = nullptr);
    // Deletes every "*.tnl" in folder whose picture (the name without
    // ".tnl") is gone; nothing in a folder that leads outside the program
    // folder. Returns how many were deleted.
    int sweepOrphanThumbnails(const QString& folder) const;
    static int sweepOrphanThumbnails(FolderListing& listing);
    // Deletes stale temporary files of interrupted writes (AtomicFile) in the
    // program folder, the book folders and the coloured folders, and the
    // temporary folders of cut-off pack imports. Returns how many were
    // deleted.
    int removeStaleTemporaries() const;

    // "/books/own pictures/own_" + n + ".bmp" for the lowest n >= 0 that is
    // free.
    QString nextOwnPicturePath() const;

private:
    const ProgramFolder& m_folder;
};
