// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class ProgramFolder;
struct Settings;

// Settings.ini: seven text lines in a single-byte code page (Latin-1 here),
// each ending in CR LF. Lines 1 to 5 are numbers written with a blank on each
// side (" 1 "), lines 6 and 7 the password and its hint exactly as typed.
// Files edited by hand with LF-only line ends are read as well.
class SettingsFile
{
public:
    static inline const QString FileName = QStringLiteral("Settings.ini");
    // Anything this large is not a settings file.
    static constexpr qint64 MaxBytes = 64 * 1024;

    // The settings file of the program folder. Names are matched without
    // regard to case; when several files differ only in case, reader and
    // writer both get the same one.
    static QString pathIn(const ProgramFolder& folder);

    // The one reader of the file, for the main window and the options
    // window alike. Reads the seven lines into `into`, storing each value as
    // soon as its line is read, so a failure part way leaves the earlier
    // values changed.
    // False for a missing file, fewer than seven lines, or an empty or
    // non-numeric value on lines 1 to 5, and for anything that is not a
    // regular file under MaxBytes (a FIFO, a device, a huge file). Lines
    // after the seventh are ignored.
    static bool read(const QString& path, Settings& into);

    // Replaces the file with the seven lines of `values` (the options window
    // is the only writer), through a temporary file in the same folder and a
    // rename (AtomicFile), readable by its owner only; a link at path is
    // replaced, never its target.
    // Throws AppError when the text cannot be stored (see isStorable) or the
    // file cannot be written; the old file is then left as it was.
    // beforeCommit runs when the new text is complete in the temporary file,
    // just before it replaces the old one (tests interrupt the write there).
    static void write(const QString& path, const Settings& values,
                      const std::function<void()>& beforeCommit = {});

    // The bytes write() puts in the file.
    static QByteArray encode(const Settings& values);

    // Whether a password or hint can be kept in the file: every character in
    // Latin-1 and no line break (which would shift the lines after it).
    static bool isStorable(const QString& text);
};
