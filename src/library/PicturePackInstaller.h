// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/PicturePack.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class ProgramFolder;

// Reading a pack file and putting its pictures into the library. The
// pictures are written into a temporary folder inside "books" first and
// moved into place only when every one of them is on the disk, so a failure
// leaves the library as it was. Into an existing book (its name matched
// without regard to letter case) only the pictures it does not have yet are
// added; a picture it has is never replaced.
namespace PicturePackInstaller {

struct Outcome
{
    enum class Kind {
        Installed,
        CannotOpen,   // the file could not be read (detail says why)
        OtherVersion, // no separator: not a pack this program can read
        NoHeader,     // no "|" in the header
        Damaged,      // bad names, pictures that do not decode
        WriteFailed,  // the library could not take the pictures (detail says why)
    };
    Kind kind = Kind::Damaged;
    QString book;        // the book's folder name as it is on the disk
    QStringList added;   // pictures written
    QStringList skipped; // pictures the book already had
    QString detail;
};

// Reads a whole pack file; a file larger than the pack limit is refused
// before any of it is read. False with a reason for the parent.
bool readPackFile(const QString& path, QByteArray& bytes, QString& reason);

// Installs decoded pack contents (status Ok) whose pieces lie in pack.
Outcome install(const ProgramFolder& folder, const PicturePack::Contents& contents, const QByteArray& pack);

// Reads, checks and installs the pack file at path.
Outcome importFile(const ProgramFolder& folder, const QString& path);

// Removes the temporary folders in books that imports cut off by a crash or
// a power cut left behind (older than an hour, so a running import keeps
// its own); how many went.
int sweepAbandonedImports(const QString& books);

// The words the parent reads about an outcome.
QString message(const Outcome& outcome);

} // namespace PicturePackInstaller
