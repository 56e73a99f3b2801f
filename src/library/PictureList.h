// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QListWidget;

// The large-thumbnail list of the coloured pictures browser and the picture
// manager: one item per picture of a folder, its text and key the file name,
// its icon the picture's thumbnail ("name.tnl" beside it, made first when it
// is missing). Both windows fill their list through here.
namespace PictureList {

// Icon mode, 100 x 100 icons with the name below, several items selectable.
void configure(QListWidget* list);

// Empties the list and fills it with the files of folder whose names end in
// one of extensions (".jpg"; letter case ignored), in listing order. A file
// that cannot be read as a picture is left out; a thumbnail that cannot be
// written is shown from memory; a damaged thumbnail is made again. Nothing
// here stops the filling. Returns the number of items.
int fill(QListWidget* list, const QString& folder, const QStringList& extensions);

// The file name (key) of an item's row.
QString keyOf(const QListWidget* list, int row);

} // namespace PictureList
