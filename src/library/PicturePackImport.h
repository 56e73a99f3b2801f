// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class ProgramFolder;
class QTextStream;
class QWidget;

// The picture manager's "Import a Picture Pack" command, whole: the intro
// notice, the open dialog, reading, installing and the outcome notice.
// Returns the name of the book the pictures went into ("" when nothing was
// installed or the parent cancelled).
QString importPicturePackInteractively(QWidget* owner, const ProgramFolder& folder);

// The same for a pack already chosen (handed over by a file manager, after
// the parent's permission): reading, installing and the outcome notice.
QString importPicturePackFile(QWidget* owner, const ProgramFolder& folder, const QString& packPath);

// The same import without any window, for scripts and file managers: the
// outcome goes to out (success) or err (failure). Returns the process exit
// code: 0 when the pack was installed, 1 when it could not be read, was
// damaged or could not be written.
int importPicturePackFromCommandLine(const ProgramFolder& folder, const QString& packPath, QTextStream& out,
                                     QTextStream& err);
