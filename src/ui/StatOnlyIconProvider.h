// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractFileIconProvider>
#include <QObject>

// Icons and type names for the file dialogs from what a file's status says
// (folder, file, link), never from its contents. Qt's own provider asks the
// MIME database, which reads a file whose name says nothing, and reading a
// FIFO or a /proc file can block forever: a parent who types /proc would
// freeze the whole program. Owned by the dialog it serves.
class StatOnlyIconProvider : public QObject, public QAbstractFileIconProvider
{
public:
    explicit StatOnlyIconProvider(QObject* owner);

    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};
