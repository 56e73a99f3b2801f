// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

// The save dialog (Qt's own, never the native one).
namespace GCommonDialog {

// True when the user confirmed; Filename is then the full path that will be
// written (default extension already applied, overwrite already confirmed
// for that final name when OverWritePrompt).
//
// DefaultExt may list several extensions without dots, "jpg;jpeg": a name
// that ends in none of them (compared with letter case) gets the first one
// appended. On cancel Filename and FileTitle are empty, flags and
// FilterIndex 0 and Filter empty.
bool VBGetSaveFileName(QString& Filename, QString& FileTitle, bool OverWritePrompt, QString& Filter,
                       int& FilterIndex, const QString& InitDir, const QString& DlgTitle,
                       const QString& DefaultExt, QWidget* Owner, qint32& flags);

// The name that will really be written for a typed name (see DefaultExt).
QString withDefaultExtension(const QString& name, const QString& DefaultExt);

// Asks the parent whether an existing file may be replaced. True to go on.
bool confirmReplace(QWidget* owner, const QString& path);

} // namespace GCommonDialog
