// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/FolderListing.h"

#include <QString>
#include <QStringList>

// One book as a browser pass sees it: its folder and coloured folder, each
// listed once, and its pictures in listing order.
struct BookContents
{
    QString name;           // the folder name, as on disk
    QString title;          // BookStore::ProperCase(name)
    bool ownPictures = false;
    FolderListing files;    // the book folder
    FolderListing colored;  // "/colored pictures/" + title (may not exist)
    QStringList pictures;   // file names ending in .gif, .bmp or .jpg

    QString folder() const { return files.folder(); }
};
