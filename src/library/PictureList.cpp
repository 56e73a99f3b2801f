// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PictureList.h"

#include "library/BookStore.h"
#include "library/FolderListing.h"
#include "platform/AppError.h"
#include "platform/ImageFile.h"
#include "platform/Log.h"

#include <QApplication>
#include <QIcon>
#include <QListWidget>
#include <QPixmap>
#include <optional>

namespace PictureList {

namespace {

constexpr int KeyRole = Qt::UserRole;

bool hasExtension(const QString& name, const QStringList& extensions)
{
    for (const QString& extension : extensions)
        if (name.endsWith(extension, Qt::CaseInsensitive))
            return true;
    return false;
}

class BusyPointer
{
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// The picture's thumbnail, made and written when it is not on disk (or
// cannot be read back). Nothing when the picture itself cannot be read.
std::optional<QImage> thumbnailFor(const FolderListing& listing, const QString& name)
{
    const QString picture = listing.pathOf(name);
    const QString existing = listing.find(name + BookStore::ThumbnailSuffix);
    if (!existing.isEmpty()) {
        try {
            return ImageFile::read(listing.pathOf(existing));
        } catch (const AppError& e) {
            // A damaged thumbnail is replaced below like a missing one.
            qCWarning(Log::files) << "The thumbnail" << existing << "is damaged, made again:" << e.description();
        }
    }
    const QString thumbPath = listing.pathOf(name + BookStore::ThumbnailSuffix);
    try {
        return BookStore::makeThumbnail(picture, thumbPath);
    } catch (const AppError& error) {
        if (error.number() != ErrorNumber::PathFileAccess) {
            qCWarning(Log::files) << "The picture" << picture << "cannot be read:" << error.description();
            return std::nullopt;
        }
    }
    // The folder is read-only or full: the list still shows the picture.
    try {
        return BookStore::thumbnailOf(ImageFile::read(picture));
    } catch (const AppError& error) {
        qCWarning(Log::files) << "The picture" << picture << "cannot be read:" << error.description();
        return std::nullopt;
    }
}

} // namespace

void configure(QListWidget* list)
{
    list->setViewMode(QListView::IconMode);
    list->setIconSize(QSize(BookStore::ThumbnailSize, BookStore::ThumbnailSize));
    list->setGridSize(QSize(BookStore::ThumbnailSize + 24, BookStore::ThumbnailSize + 36));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMovement(QListView::Static);
    list->setResizeMode(QListView::Adjust);
    list->setWrapping(true);
    list->setWordWrap(false);
    list->setTextElideMode(Qt::ElideMiddle);
    list->setUniformItemSizes(true);
    list->setDragEnabled(false);
    list->setSortingEnabled(false);
}

int fill(QListWidget* list, const QString& folder, const QStringList& extensions)
{
    list->clear();
    const FolderListing listing(folder, FolderListing::Kind::Files);
    QStringList names = listing.sortedNames();
    names.removeIf([&extensions](const QString& name) { return !hasExtension(name, extensions); });
    if (names.isEmpty())
        return 0;

    BusyPointer busy;
    for (const QString& name : std::as_const(names)) {
        const std::optional<QImage> thumbnail = thumbnailFor(listing, name);
        if (!thumbnail)
            continue;
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(*thumbnail)), name);
        item->setData(KeyRole, name);
        item->setToolTip(name);
        list->addItem(item);
    }
    return list->count();
}

QString keyOf(const QListWidget* list, int row)
{
    const QListWidgetItem* item = list->item(row);
    return item ? item->data(KeyRole).toString() : QString();
}

} // namespace PictureList
