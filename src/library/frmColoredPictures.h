// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/LibraryWindow.h"

// "Manage colored pictures": the coloured pictures, book by book, as large
// thumbnails; a parent deletes some to give the pictures back to the child
// uncoloured. Loaded anew for each opening; every deletion goes to disk at
// once.
class frmColoredPictures : public LibraryWindow
{
    Q_OBJECT
public:
    explicit frmColoredPictures(const ProgramFolder& folder, QWidget* parent = nullptr);

protected:
    void runCommand(const QString& tag) override;

private:
    void deletePictures();
    bool deleteSelected(const QString& book);
    void removeEmptiedBook();
};
