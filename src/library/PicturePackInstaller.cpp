// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PicturePackInstaller.h"

#include "platform/AtomicBatch.h"
#include "platform/FileBytes.h"
#include "platform/ProgramFolder.h"
#include "platform/Log.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <cerrno>
#include <new>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PicturePackInstaller {

namespace {

using Kind = Outcome::Kind;

const QString DefaultBook = QStringLiteral("The Tintaloo");
const QString TemporaryPrefix = QStringLiteral(".tintaloo-pack-");

Outcome failed(Kind kind, const QString& detail = {})
{
    Outcome outcome;
    outcome.kind = kind;
    outcome.detail = detail;
    return outcome;
}

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// Moves an entry to a name that must not exist yet; never replaces one that
// appeared meanwhile.
bool moveWithoutReplacing(const QString& from, const QString& to, bool isFolder)
{
    const QByteArray source = encoded(from);
    const QByteArray target = encoded(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without the flag.
    if (isFolder) {
        struct stat st {};
        if (::lstat(target.constData(), &st) == 0 || errno != ENOENT)
            return false;
        return ::rename(source.constData(), target.constData()) == 0;
    }
    if (::link(source.constData(), target.constData()) != 0)
        return false;
    // The temporary folder with the source goes as a whole afterwards.
    if (::unlink(source.constData()) != 0)
        qCWarning(Log::files) << "Could not remove" << from << ":" << std::strerror(errno);
    return true;
}

// The folder's new entries on the disk too, not only their contents.
void syncFolder(const QString& path)
{
    const int fd = ::open(encoded(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool isLink(const QString& path)
{
    struct stat st {};
    return ::lstat(encoded(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

// Folder entries of any kind, by case-folded name.
QHash<QString, QString> entriesByFoldedName(const QString& folder)
{
    QHash<QString, QString> entries;
    const QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names)
        entries.insert(name.toCaseFolded(), name);
    return entries;
}

// The "books" folder, made when missing; never one that is a link.
bool prepareBooksFolder(const QString& books, QString& reason)
{
    if (isLink(books)) {
        reason = QCoreApplication::translate("PicturePackInstaller", "The folder '%1' is a link to another place. Nothing was added.")
                     .arg(books);
        return false;
    }
    const QFileInfo info(books);
    if (!info.exists() && !QDir().mkpath(books)) {
        reason = QCoreApplication::translate("PicturePackInstaller", "The folder '%1' could not be created.").arg(books);
        return false;
    }
    if (!QFileInfo(books).isDir()) {
        reason = QCoreApplication::translate("PicturePackInstaller", "'%1' is not a folder.").arg(books);
        return false;
    }
    return true;
}

mode_t folderMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0777 & ~mask;
}

// Moves the written pictures from the temporary folder into an existing
// book; on any failure the ones already moved are taken out again.
bool moveIntoBook(const QString& temp, const QString& book, const QStringList& names, QString& reason)
{
    QStringList moved;
    for (const QString& name : names) {
        if (!moveWithoutReplacing(temp + QLatin1Char('/') + name, book + QLatin1Char('/') + name, false)) {
            reason = QCoreApplication::translate("PicturePackInstaller", "Could not add the file '%1' to the folder '%2'. Please make "
                                                 "sure that it is not write protected.")
                         .arg(name, book);
            for (const QString& done : std::as_const(moved))
                if (!QFile::remove(book + QLatin1Char('/') + done))
                    qCWarning(Log::files) << "Could not take" << done << "out of" << book << "again";
            return false;
        }
        moved << name;
    }
    syncFolder(book);
    return true;
}

QString tooLarge(const QString& path)
{
    return QCoreApplication::translate("PicturePackInstaller", "The file '%1' is larger than 512 MB, more than a Picture Pack may be.")
        .arg(path);
}

} // namespace

bool readPackFile(const QString& path, QByteArray& bytes, QString& reason)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        reason = QCoreApplication::translate("PicturePackInstaller", "The file '%1' could not be found.").arg(path);
        return false;
    }
    if (!info.isFile()) {
        reason = QCoreApplication::translate("PicturePackInstaller", "'%1' is not a file.").arg(path);
        return false;
    }
    if (info.size() > PicturePack::MaxPackBytes) {
        reason = tooLarge(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return false;
    }
    // The size as opened: a file that grows meanwhile is read no further.
    const qint64 size = file.size();
    if (size > PicturePack::MaxPackBytes) {
        reason = tooLarge(path);
        return false;
    }
    if (!FileBytes::readExactly(file, size, bytes)) {
        reason = file.errorString();
        return false;
    }
    return true;
}

int sweepAbandonedImports(const QString& books)
{
    const QFileInfoList entries = QDir(books).entryInfoList({TemporaryPrefix + QLatin1Char('*')},
                                                            QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    const QDateTime hourAgo = QDateTime::currentDateTimeUtc().addSecs(-3600);
    int removed = 0;
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || entry.lastModified().toUTC() >= hourAgo)
            continue;
        if (QDir(entry.absoluteFilePath()).removeRecursively())
            ++removed;
        else
            qCWarning(Log::files) << "Could not remove the abandoned import" << entry.absoluteFilePath();
    }
    return removed;
}

Outcome install(const ProgramFolder& folder, const PicturePack::Contents& contents, const QByteArray& pack)
{
    if (contents.status != PicturePack::Status::Ok)
        return failed(Kind::Damaged);
    if (contents.book.compare(DefaultBook, Qt::CaseInsensitive) == 0)
        return failed(Kind::WriteFailed,
                      QCoreApplication::translate("PicturePackInstaller", "Pictures cannot be added to the book '%1'.").arg(DefaultBook));
    const QString books = folder.path(QStringLiteral("/books"));
    QString reason;
    if (!prepareBooksFolder(books, reason))
        return failed(Kind::WriteFailed, reason);

    Outcome outcome;
    outcome.kind = Kind::Installed;
    const QString existing = entriesByFoldedName(books).value(contents.book.toCaseFolded());
    outcome.book = existing.isEmpty() ? contents.book : existing;
    const QString bookPath = books + QLatin1Char('/') + outcome.book;
    if (!existing.isEmpty()) {
        if (isLink(bookPath) || !QFileInfo(bookPath).isDir())
            return failed(Kind::WriteFailed,
                          QCoreApplication::translate("PicturePackInstaller", "'%1' is not a folder of this program. Nothing was added.")
                              .arg(bookPath));
    }
    const QHash<QString, QString> present = existing.isEmpty() ? QHash<QString, QString>()
                                                               : entriesByFoldedName(bookPath);
    QList<const PicturePack::Piece*> toWrite;
    for (const PicturePack::Piece& piece : contents.pieces) {
        if (present.contains(piece.name.toCaseFolded())) {
            outcome.skipped << piece.name;
        } else {
            toWrite << &piece;
            outcome.added << piece.name;
        }
    }
    if (toWrite.isEmpty())
        return outcome;

    sweepAbandonedImports(books);
    QTemporaryDir temp(books + QLatin1Char('/') + TemporaryPrefix + QStringLiteral("XXXXXX"));
    if (!temp.isValid())
        return failed(Kind::WriteFailed,
                      QCoreApplication::translate("PicturePackInstaller", "Could not write into the folder '%1'. Please make sure that it "
                                                               "is not write protected.")
                          .arg(books));
    // Every picture is on the disk before any of them shows in the library,
    // with one flush for all of them rather than one each.
    AtomicBatch batch;
    bool written = true;
    for (const PicturePack::Piece* piece : std::as_const(toWrite)) {
        written = batch.add(temp.path() + QLatin1Char('/') + piece->name, PicturePack::bytesOf(pack, *piece));
        if (!written)
            break;
    }
    qsizetype failedAt = batch.size(); // the piece that could not be written
    if (written) {
        const QStringList placed = batch.commit();
        for (failedAt = 0; failedAt < placed.size(); ++failedAt)
            if (placed.at(failedAt) != temp.path() + QLatin1Char('/') + toWrite.at(failedAt)->name)
                break;
        written = failedAt == toWrite.size();
    }
    if (!written) {
        const PicturePack::Piece* failedPiece = toWrite.at(qMin(failedAt, toWrite.size() - 1));
        return failed(Kind::WriteFailed,
                          QCoreApplication::translate("PicturePackInstaller", "Could not write the file '%1'. Please make sure that the "
                                                                   "folder '%2' is not write protected and that "
                                                                   "there is enough space.")
                              .arg(failedPiece->name, books));
    }
    if (existing.isEmpty()) {
        if (::chmod(encoded(temp.path()).constData(), folderMode()) != 0
            || !moveWithoutReplacing(temp.path(), bookPath, true))
            return failed(Kind::WriteFailed,
                          QCoreApplication::translate("PicturePackInstaller", "The book '%1' could not be created. Please make sure that the "
                                                                   "folder '%2' is not write protected.")
                              .arg(bookPath, books));
        temp.setAutoRemove(false);
        syncFolder(books);
        return outcome;
    }
    if (!moveIntoBook(temp.path(), bookPath, outcome.added, reason))
        return failed(Kind::WriteFailed, reason);
    return outcome;
}

namespace {

Outcome readAndInstall(const ProgramFolder& folder, const QString& path)
{
    QByteArray pack;
    QString reason;
    if (!readPackFile(path, pack, reason))
        return failed(Kind::CannotOpen, reason);
    const PicturePack::Contents contents = PicturePack::decode(pack);
    switch (contents.status) {
    case PicturePack::Status::NoMarker:
        return failed(Kind::OtherVersion);
    case PicturePack::Status::NoHeader:
        return failed(Kind::NoHeader);
    case PicturePack::Status::Damaged:
        return failed(Kind::Damaged);
    case PicturePack::Status::Ok:
        break;
    }
    return install(folder, contents, pack);
}

} // namespace

Outcome importFile(const ProgramFolder& folder, const QString& path)
{
    try {
        return readAndInstall(folder, path);
    } catch (const std::bad_alloc&) {
        // Nothing was moved into the library before the memory ran out.
        return failed(Kind::CannotOpen,
                      QCoreApplication::translate("PicturePackInstaller", "There is not enough memory to read the file '%1'.").arg(path));
    }
}

QString message(const Outcome& outcome)
{
    switch (outcome.kind) {
    case Kind::CannotOpen:
        return QCoreApplication::translate("PicturePackInstaller", "There was the following error while trying to open The Tintaloo "
                                                          "package file:\n%1")
            .arg(outcome.detail);
    case Kind::OtherVersion:
        return QCoreApplication::translate("PicturePackInstaller", "The file could not be read from header. Please make sure that the "
                                                          "file is not designed for another version of The "
                                                          "Tintaloo.");
    case Kind::NoHeader:
        return QCoreApplication::translate("PicturePackInstaller", "Could not read from the header information.");
    case Kind::Damaged:
        return QCoreApplication::translate("PicturePackInstaller", "The file appears to be damaged. Please download again.");
    case Kind::WriteFailed:
        return QCoreApplication::translate("PicturePackInstaller", "There was the following error while trying to add new pictures to "
                                                          "The Tintaloo:\n%1")
            .arg(outcome.detail);
    case Kind::Installed:
        break;
    }
    if (outcome.added.isEmpty())
        return QCoreApplication::translate("PicturePackInstaller", "The book '%1' already has every picture of this Picture Pack, so "
                                                          "nothing was added.")
            .arg(outcome.book);
    QString text = QCoreApplication::translate("PicturePackInstaller", "The pictures were added successfully under the book '%1'. To "
                                                              "view the new pictures, please select this book "
                                                              "from the list.")
                       .arg(outcome.book);
    if (!outcome.skipped.isEmpty())
        //: %1 lists the names of the pictures, separated by commas.
        text += QLatin1Char(' ')
            + QCoreApplication::translate("PicturePackInstaller", "The book already had these pictures, which were left as they were: %1.")
                  .arg(outcome.skipped.join(QStringLiteral(", ")));
    return text;
}

} // namespace PicturePackInstaller
