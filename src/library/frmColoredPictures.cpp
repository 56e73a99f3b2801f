// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/frmColoredPictures.h"

#include "library/BookStore.h"
#include "ui/LinkLabel.h"
#include "ui/mMain.h"

#include <QComboBox>
#include <QListWidget>

frmColoredPictures::frmColoredPictures(const ProgramFolder& folder, QWidget* parent)
    : LibraryWindow(folder, tr("Manage colored pictures"), QStringLiteral("/colored pictures"),
                    {BookStore::ColoredSuffix}, parent)
{
    setObjectName(QStringLiteral("frmColoredPictures"));
    addCommand(1, tr("Delete selected picture(s)"), QStringLiteral("delete pictures"));
    addCommand(2, tr("Close"), QStringLiteral("close"));
    loadBooks();
}

void frmColoredPictures::runCommand(const QString& tag)
{
    if (tag == QLatin1String("delete pictures"))
        deletePictures();
    else if (tag == QLatin1String("close"))
        accept();
}

void frmColoredPictures::deletePictures()
{
    if (selectedNames().isEmpty()) {
        notify(tr("Please select at least one picture to delete."));
        return;
    }
    if (!ask(tr("Are you sure you wish to delete the selected picture(s)?")))
        return;
    if (!deleteSelected(selectedBook()))
        return;
    if (LV->count() == 0 && bookCount() > 1)
        removeEmptiedBook();
}

// Deletes the selected coloured pictures and their thumbnails, in list
// order. Stops at the first that cannot be deleted (false); the ones before
// it stay deleted and the rest stay selected.
bool frmColoredPictures::deleteSelected(const QString& book)
{
    const QStringList names = selectedNames();
    for (const QString& name : names) {
        const QString path = folder().path(QStringLiteral("/colored pictures/") + book + QLatin1Char('/') + name);
        if (!mMain::RemoveFile(path)) {
            notify(tr("The file '%1' could not be removed. Please make sure it exists and that it is not write "
                      "protected.")
                       .arg(path));
            return false;
        }
        mMain::RemoveFile(BookStore::thumbnailPath(path));
        removeItem(name);
    }
    return true;
}

// A book without coloured pictures leaves the chooser (and its folder goes),
// unless it is the only one; another book is shown in its place.
void frmColoredPictures::removeEmptiedBook()
{
    const int emptied = cBooks->currentIndex();
    const QString book = cBooks->itemText(emptied);
    selectBook(emptied == 1 ? 0 : 1);
    const QString path = folder().path(QStringLiteral("/colored pictures/") + book);
    if (mMain::RemoveFolder(path)) {
        removeBookEntry(emptied);
    } else {
        notify(tr("The folder '%1' could not be removed. Please make sure it exists and that it is not write "
                  "protected.")
                   .arg(path));
    }
}
