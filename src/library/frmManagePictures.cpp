// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/frmManagePictures.h"

#include "library/BookStore.h"
#include "library/PicturePackImport.h"
#include "library/frmPicturePack.h"
#include "ui/LinkLabel.h"
#include "ui/mMain.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

namespace {

const QString DefaultBook = QStringLiteral("The Tintaloo");

} // namespace

frmManagePictures::frmManagePictures(const ProgramFolder& folder, QWidget* parent)
    : LibraryWindow(folder, tr("Manage pictures"), QStringLiteral("/books"),
                    {QStringLiteral(".gif"), QStringLiteral(".bmp"), QStringLiteral(".jpg")}, parent)
{
    setObjectName(QStringLiteral("frmManagePictures"));
    addCommand(0, tr("Delete this book"), QStringLiteral("remove book"));
    addCommand(1, tr("Delete selected picture(s)"), QStringLiteral("delete pictures"));
    addCommand(2, tr("Add pictures to this book"), QStringLiteral("add pictures"));
    addCommand(3, tr("Create a new book"), QStringLiteral("add book"),
               tr("Add a new book to The Tintaloo.  You can then add pictures to the book."));
    addCommand(5, tr("Import a Picture Pack"), QStringLiteral("import picture pack"),
               tr("You can add pre-packaged pictures to The Tintaloo (Picture Packs).  The picture "
                  "pack has a tpk extension and you can download some from The Tintaloo website."));
    addCommand(6, tr("Create a Picture Pack"), QStringLiteral("create picture pack"),
               tr("A Picture Pack is a file that contains multiple pictures for use in The Tintaloo.  "
                  "You can create one if you want to deal with a single file (rather than multiple "
                  "pictures) so that the process of installing pictures is easier."));
    addCommand(4, tr("Close"), QStringLiteral("close"));
    loadBooks();
}

void frmManagePictures::runCommand(const QString& tag)
{
    if (tag == QLatin1String("remove book"))
        removeBook();
    else if (tag == QLatin1String("delete pictures"))
        deletePictures();
    else if (tag == QLatin1String("add pictures"))
        addPictures();
    else if (tag == QLatin1String("add book"))
        addBook();
    else if (tag == QLatin1String("close"))
        accept();
    else if (tag == QLatin1String("import picture pack"))
        importPicturePack();
    else if (tag == QLatin1String("create picture pack"))
        createPicturePack();
}

bool frmManagePictures::isDefaultBook(const QString& book) const
{
    return book.compare(DefaultBook, Qt::CaseInsensitive) == 0;
}

// The picture on the canvas, compared as the same file: a path spelt
// differently must not let it be deleted from under the child.
bool frmManagePictures::isOpenPicture(const QString& path) const
{
    return !m_currentPicture.isEmpty() && sameEntry(path, m_currentPicture, Qt::CaseSensitive);
}

bool frmManagePictures::holdsOpenPicture(const QString& bookFolder) const
{
    if (m_currentPicture.isEmpty())
        return false;
    const qsizetype slash = m_currentPicture.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return false;
    return sameEntry(m_currentPicture.left(slash), bookFolder, Qt::CaseInsensitive);
}

// ---- remove book -----------------------------------------------------------------

void frmManagePictures::removeBook()
{
    const QString book = selectedBook();
    if (book.isEmpty())
        return;
    if (isDefaultBook(book)) {
        notify(tr("This book cannot be removed because it is required for The Tintaloo to work "
                              "correctly."));
        return;
    }
    if (bookCount() == 1) {
        notify(tr("The Tintaloo requires at least one book to run. As this is the last book, you "
                              "must create another picture book before you are able to remove this one."));
        return;
    }
    if (!ask(tr("Are you sure you wish to delete this book? If you select yes, any colored pictures "
                            "from this book will be removed too.")))
        return;
    const QString path = bookPath(book);
    if (holdsOpenPicture(path)) {
        notify(tr("The book '%1' cannot be removed because the picture that is currently open in The Tintaloo "
                  "is within this book.")
                   .arg(path));
        return;
    }
    if (!mMain::RemoveFolder(path)) {
        // Whatever could not be deleted is still listed.
        fillList();
        notify(tr("There was a problem removing the book. Please make sure that the path '%1' is not write "
                  "protected and that it is not currently in use.")
                   .arg(path));
        return;
    }
    removeBookEntry(cBooks->currentIndex());
    selectBook(0);

    const QString colored = folder().path(QStringLiteral("/colored pictures/") + book);
    if (!QFileInfo(colored).isDir())
        return;
    if (!mMain::RemoveFolder(colored))
        notify(tr("There was a problem removing the colored pictures. Please make sure that the path '%1' is not "
                  "write protected and that it is not currently in use.")
                   .arg(colored));
}

// ---- delete pictures -------------------------------------------------------------

void frmManagePictures::deletePictures()
{
    const QString book = selectedBook();
    const QStringList names = selectedNames();
    if (names.isEmpty()) {
        notify(tr("Please select at least one picture to delete."));
        return;
    }
    if (isDefaultBook(book)) {
        notify(tr("The pictures in this book cannot be removed because they are required for The "
                              "Tintaloo to work correctly."));
        return;
    }
    if (!ask(tr("Are you sure you wish to delete the selected picture(s)?")))
        return;
    for (const QString& name : names)
        if (!deletePicture(book, name))
            return;
}

// One picture with its thumbnail, its coloured version and that one's
// thumbnail. False (after telling the parent) when it must stop here.
bool frmManagePictures::deletePicture(const QString& book, const QString& name)
{
    const QString path = folder().path(QStringLiteral("/books/") + book + QLatin1Char('/') + name);
    if (isOpenPicture(path)) {
        notify(tr("The file '%1' could not be removed because the file is currently open in The Tintaloo. "
                  "Please close it first by opening another picture.")
                   .arg(path));
        return false;
    }
    const auto cannotRemove = [this](const QString& file) {
        notify(tr("The file '%1' could not be removed. Please make sure it exists and that it is not write "
                  "protected.")
                   .arg(file));
        return false;
    };
    if (!mMain::RemoveFile(path))
        return cannotRemove(path);
    mMain::RemoveFile(BookStore::thumbnailPath(path));
    removeItem(name);

    const QString colored =
        folder().path(QStringLiteral("/colored pictures/") + book + QLatin1Char('/') + name + BookStore::ColoredSuffix);
    if (!QFileInfo(colored).isFile())
        return true;
    if (!mMain::RemoveFile(colored))
        return cannotRemove(colored);
    mMain::RemoveFile(BookStore::thumbnailPath(colored));
    return true;
}

// ---- picture packs ---------------------------------------------------------------

void frmManagePictures::importPicturePack()
{
    const QString book = importPicturePackInteractively(this, folder());
    if (!book.isEmpty())
        loadBooks(book);
}

void frmManagePictures::createPicturePack()
{
    frmPicturePack pack(folder(), this);
    pack.exec();
}
