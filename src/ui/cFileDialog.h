// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QFileDialog;
class QWidget;

// Property-style open dialog (Qt's own dialog, never the native one, so it
// stays inside the full-screen program).
class cFileDialog
{
public:
    static constexpr qint32 FileMustExist = 0x1000;
    static constexpr qint32 AllowMultiSelect = 0x200;

    QString Filename;        // in: initial name; out: chosen path(s), see below
    QString FileTitle;
    QString Filter;          // "Pictures (*.bmp,*.gif,*.jpg)|*.bmp;*.gif;*.jpg"
    int FilterIndex = 1;
    QString DefaultExt;
    QString DialogTitle;
    qint32 flags = 0;        // 0x1000 file must exist, 0x200 multiple selection
    QWidget* hwnd = nullptr; // owner
    QString InitDir;
    bool CancelError = false;

    // On cancel Filename is unchanged (throws AppError "User selected cancel."
    // when CancelError). Multiple selection: folder + '\0' + names each
    // followed by '\0' + extra '\0' (several files) or the full path (one).
    void ShowOpen();
    void ParseMultiFileName(QString& sDir, QStringList& sFiles, int& lFileCount) const;

    // Convenience for callers: the chosen files as full paths after ShowOpen
    // (empty on cancel).
    QStringList selectedPaths() const;

    // "description|pattern|..." as Qt name filters. A ":" splits like a "|"
    // (the descriptions and patterns simply alternate). The descriptions are
    // shown as written; the patterns, ";"-separated, are what is matched.
    static QStringList nameFilters(const QString& filter);
    // The filter pair ("description|pattern") that a Qt name filter came from.
    static QString filterPair(const QString& filter, int index);

    // 1-based number of the filter chosen in the dialog (0 when unknown).
    static int chosenFilterIndex(const QFileDialog& dialog, const QString& filter);
    // The settings every file dialog of the program shares.
    static void prepare(QFileDialog& dialog, const QString& title, const QString& filter, int filterIndex,
                        const QString& initDir);

private:
    QStringList m_chosen;
};
