// SPDX-License-Identifier: GPL-3.0-or-later
// The picture manager's commands that add to the library: a new book, and
// pictures copied into a book.

#include "library/frmManagePictures.h"

#include "library/BookStore.h"
#include "library/FolderListing.h"
#include "library/frmBookTitle.h"
#include "library/frmLineArtPreview.h"
#include "paint/BlackAndWhite.h"
#include "paint/LineArt.h"
#include "platform/AtomicFile.h"
#include "platform/AppError.h"
#include "platform/ImageFile.h"
#include "ui/ScreenLayout.h"
#include "ui/cFileDialog.h"
#include "ui/mMain.h"
#include "platform/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace {

// Characters no book title may hold: they cannot be part of a folder name
// everywhere a library may be copied to.
const QString ForbiddenTitleCharacters = QStringLiteral("\\/:*?\"<>|");

// A picture file larger than this is not read into memory; the largest
// picture the program opens is far smaller as a BMP.
constexpr qint64 MaxPictureBytes = 256LL * 1024 * 1024;

bool hasForbiddenCharacter(const QString& title)
{
    for (const QChar c : title)
        if (ForbiddenTitleCharacters.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return true;
    return false;
}

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    if (file.size() > MaxPictureBytes || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

// ---- add book --------------------------------------------------------------------

frmManagePictures::TitleProblem frmManagePictures::checkTitle(const QString& title) const
{
    if (title.isEmpty() || title == QLatin1String(".") || title == QLatin1String("..")
        || title.size() > MaxTitleLength || hasForbiddenCharacter(title))
        return TitleProblem::Unusable;
    const QString books = folder().path(QStringLiteral("/books"));
    if (FolderListing(books, FolderListing::Kind::Folders).contains(title)
        || FolderListing(books, FolderListing::Kind::Files).contains(title))
        return TitleProblem::Exists;
    return TitleProblem::None;
}

void frmManagePictures::addBook()
{
    frmBookTitle prompt(this);
    prompt.exec();
    if (prompt.CancelPressed)
        return;
    // Blanks at either end would be invisible in the chooser.
    const QString title = prompt.Title.trimmed();
    const QString books = folder().path(QStringLiteral("/books"));
    const QString cannotCreate =
        tr("The book could not be created. Please make sure that the path '%1/' is not write protected and that "
           "you have not used the following characters in the book title \\ /:*?\"<>|")
            .arg(books);
    switch (checkTitle(title)) {
    case TitleProblem::Unusable:
        notify(cannotCreate);
        return;
    case TitleProblem::Exists:
        notify(tr("A book by this name already exists. Please select another name."));
        return;
    case TitleProblem::None:
        break;
    }
    if (!QDir(books).mkdir(title)) {
        notify(cannotCreate);
        return;
    }
    addBookEntry(title);
}

// ---- add pictures ----------------------------------------------------------------

// The default book is fixed, and the own pictures book holds only the
// child's drawings; neither takes pictures from outside.
bool frmManagePictures::isAddableBook(const QString& book) const
{
    return !book.isEmpty() && !isDefaultBook(book)
        && book.compare(BookStore::OwnPicturesName, Qt::CaseInsensitive) != 0
        && isInsideProgramFolder(bookPath(book));
}

void frmManagePictures::addPictureFiles(const QStringList& sources)
{
    const QString book = selectedBook();
    const QString target = bookPath(book);
    for (const QString& source : sources) {
        if (sameEntry(QFileInfo(source).absolutePath(), target, Qt::CaseSensitive)) {
            notify(tr("You are attempting to copy picture(s) from one book into the same book!"));
            return;
        }
    }
    for (const QString& source : sources)
        if (addPicture(source, book) == AddOutcome::Stop)
            break;
    fillList();
}

frmManagePictures::AddOutcome frmManagePictures::addPicture(const QString& source, const QString& book)
{
    const QString sourceName = QFileInfo(source).fileName();
    const auto faulty = [this, &sourceName]() {
        notify(tr("The file '%1' is faulty. Not all pictures you selected may have been added.").arg(sourceName));
        return AddOutcome::Skipped;
    };
    // A PNG goes into the book as a BMP of the same base name.
    const bool png = sourceName.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    const QString name = png ? sourceName.chopped(4) + QStringLiteral(".bmp") : sourceName;
    if (!BookStore::isSafePictureName(name))
        return faulty();
    if (FolderListing(bookPath(book), FolderListing::Kind::Files).contains(name))
        return pictureExists(book);
    const QByteArray bytes = readWhole(source);
    if (bytes.isEmpty() || png != ImageFile::isPng(bytes))
        return faulty();
    QImage picture;
    try {
        picture = ImageFile::readForImport(source);
    } catch (const AppError& e) {
        qCWarning(Log::files) << "The picture" << source << "cannot be added:" << e.description();
        return faulty();
    }
    const QSize area = canvasArea();
    const bool large = picture.width() > area.width() || picture.height() > area.height();
    if (!BlackAndWhite::isPure(picture)) {
        notify(tr("Could not add the file '%1' because it is not pure Black and White.").arg(sourceName));
        // Drawn at the size it will have: lines made smaller would thin out.
        return addBlackAndWhiteCopy(sourceName, large ? fitted(picture, area) : picture, book);
    }
    if (large)
        return addFittedCopy(sourceName, picture, book);
    return writePicture(name, png ? ImageFile::encodeBmp24(picture) : bytes, book);
}

// Offers the picture made into line art in its place, shown first, as a BMP
// under the same base name: "cat.jpg" -> "cat.bmp".
frmManagePictures::AddOutcome frmManagePictures::addBlackAndWhiteCopy(const QString& name, const QImage& picture,
                                                                      const QString& book)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString copyName = name.left(dot) + QStringLiteral(".bmp");
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QImage page = LineArt::fromPhoto(picture);
    QGuiApplication::restoreOverrideCursor();
    frmLineArtPreview preview(tr("Would you like to add a black and white copy of '%1' instead? It will be added "
                                 "to the book as '%2'.")
                                  .arg(name, copyName),
                              page, this);
    preview.exec();
    if (!preview.Accepted)
        return AddOutcome::Skipped;
    if (FolderListing(bookPath(book), FolderListing::Kind::Files).contains(copyName))
        return pictureExists(book);
    return writePicture(copyName, ImageFile::encodeBmp24(page), book);
}

// A picture larger than the canvas area would be shown cut off: it is
// offered made smaller to fit (aspect kept), made pure again, as a BMP.
frmManagePictures::AddOutcome frmManagePictures::addFittedCopy(const QString& name, const QImage& picture,
                                                               const QString& book)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString copyName = name.left(dot) + QStringLiteral(".bmp");
    const QImage page = BlackAndWhite::toPure(fitted(picture, canvasArea()));
    //: %2 x %3 is the picture's size in pixels, %4 x %5 the size it would be made.
    if (!ask(tr("The picture '%1' is larger than the page (%2 x %3 pixels). Would you like to add it made smaller "
                "to fit, %4 x %5 pixels, as '%6'?")
                 .arg(name, QString::number(picture.width()), QString::number(picture.height()),
                      QString::number(page.width()), QString::number(page.height()), copyName)))
        return AddOutcome::Skipped;
    if (FolderListing(bookPath(book), FolderListing::Kind::Files).contains(copyName))
        return pictureExists(book);
    return writePicture(copyName, ImageFile::encodeBmp24(page), book);
}

QImage frmManagePictures::fitted(const QImage& picture, QSize area)
{
    return picture.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QSize frmManagePictures::canvasArea() const
{
    if (m_canvasArea.isValid())
        return m_canvasArea;
    // The main window fills the screen this window is on.
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    return ScreenLayout::canvasArea(shown ? shown->geometry().size() : QSize(1024, 768));
}

frmManagePictures::AddOutcome frmManagePictures::pictureExists(const QString& book)
{
    notify(tr("A picture by this name already exists within the book '%1' . Please rename the picture before you "
              "try to add it.")
               .arg(book));
    return AddOutcome::Skipped;
}

// Writes the new picture through a temporary file renamed into place, so a
// full disk never leaves half a picture in the book.
frmManagePictures::AddOutcome frmManagePictures::writePicture(const QString& name, const QByteArray& bytes,
                                                              const QString& book)
{
    const QString target = bookPath(book);
    const QString path = target + QLatin1Char('/') + name;
    if (!AtomicFile::tryWrite(path, bytes)) {
        notify(tr("Could not add the file '%1'. Please make sure that the folder '%2' is not write protected.")
                   .arg(name, target));
        return AddOutcome::Stop;
    }
    // A thumbnail left from an earlier picture of this name would stand for
    // the new one.
    mMain::RemoveFile(BookStore::thumbnailPath(path));
    return AddOutcome::Added;
}

void frmManagePictures::addPictures()
{
    const QString book = selectedBook();
    if (!isAddableBook(book)) {
        notify(tr("Pictures cannot be added to this book. Please select another book to add pictures to."));
        return;
    }
    cFileDialog dialog;
    dialog.DialogTitle = tr("Add pictures to %1").arg(book);
    dialog.Filter = tr("Pictures (*.bmp,*.gif,*.jpg,*.png)") + QStringLiteral("|*.bmp;*.gif;*.jpg;*.png");
    dialog.flags = cFileDialog::FileMustExist | cFileDialog::AllowMultiSelect;
    dialog.hwnd = this;
    dialog.InitDir = QDir::homePath();
    dialog.ShowOpen();
    const QStringList chosen = dialog.selectedPaths();
    if (!chosen.isEmpty())
        addPictureFiles(chosen);
}
