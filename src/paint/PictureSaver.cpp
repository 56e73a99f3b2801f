// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/PictureSaver.h"

#include "imaging/cDIBSection.h"
#include "imaging/mIntelJPEGLibrary.h"
#include "paint/Canvas.h"
#include "platform/AppError.h"
#include "platform/AtomicFile.h"
#include "platform/PictureSurface.h"
#include "platform/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <exception>
#include <sys/stat.h>

namespace {

// The picture's file name and the name of the folder in front of it.
struct PicturePath
{
    QString book;
    QString file;
};

bool splitPicturePath(const QString& picture, PicturePath& out)
{
    const qsizetype slash = picture.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return false;
    out.file = picture.mid(slash + 1);
    const QString folder = picture.left(slash);
    out.book = folder.mid(folder.lastIndexOf(QLatin1Char('/')) + 1);
    return !out.file.isEmpty();
}

void removeIfThere(const QString& path)
{
    // A link is removed itself, never what it points to.
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return;
    // A stale thumbnail that stays is only rebuilt later than it should be.
    QFile file(path);
    if (!file.remove())
        qCWarning(Log::files) << "Could not remove the stale thumbnail" << path << ":" << file.errorString();
}

PictureSaver::SaveResult resultOfNumber(int number)
{
    if (number == ErrorNumber::DiskFull)
        return PictureSaver::SaveResult::DiskFull;
    if (number == ErrorNumber::PermissionDenied)
        return PictureSaver::SaveResult::WriteProtected;
    return PictureSaver::SaveResult::Failed;
}

// A JPEG write failure carries the reason underneath as its cause.
PictureSaver::SaveResult resultOf(const AppError& e)
{
    return resultOfNumber(e.cause() != 0 ? e.cause() : e.number());
}

// Creates "/colored pictures" and the book's folder in it when missing.
// Returns 0 or the error that stopped it.
int makeColouredFolder(const ProgramFolder& programFolder, const QString& folder)
{
    for (const QString& path : {programFolder.path(QStringLiteral("/colored pictures")), folder}) {
        if (QFileInfo(path).isDir())
            continue;
        if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0 && errno != EEXIST)
            return errno;
    }
    return QFileInfo(folder).isDir() ? 0 : ENOTDIR;
}

} // namespace

namespace PictureSaver {

QString colouredPathFor(const ProgramFolder& folder, const QString& picture)
{
    PicturePath parts;
    if (!splitPicturePath(picture, parts))
        return {};
    return folder.path(QStringLiteral("/colored pictures/") + parts.book + QLatin1Char('/') + parts.file
                       + QStringLiteral(".jpg"));
}

bool isOwnPicture(const ProgramFolder& folder, const QString& picture)
{
    return picture.startsWith(folder.path(QStringLiteral("/books/own pictures/")), Qt::CaseInsensitive);
}

SaveResult autoSave(Canvas& canvas, const ProgramFolder& programFolder)
{
    const QString picture = canvas.CurrentPicture();
    if (picture.isEmpty())
        return SaveResult::NothingToSave;
    PicturePath parts;
    if (!splitPicturePath(picture, parts))
        return SaveResult::NothingToSave;
    SaveResult result = SaveResult::Saved;
    auto failed = [&result](SaveResult why) {
        if (result == SaveResult::Saved)
            result = why;
    };
    try {
        const QString folderTail = QStringLiteral("/colored pictures/") + parts.book;
        const QString folder = programFolder.path(folderTail);
        const int folderError = makeColouredFolder(programFolder, folder);
        if (folderError != 0) {
            failed(resultOfNumber(AtomicFile::errorNumberOf(folderError)));
        } else if (!programFolder.holds(folder)) {
            failed(SaveResult::Failed); // a link leads it outside: nothing is written there
        } else {
            const QString jpegTail = folderTail + QLatin1Char('/') + parts.file + QStringLiteral(".jpg");
            const QString jpeg = programFolder.path(jpegTail);
            // The old coloured picture is not deleted first: the writer
            // replaces it only once the new one is complete.
            removeIfThere(programFolder.path(jpegTail + QStringLiteral(".tnl")));
            const QString bookFolder = programFolder.path(QStringLiteral("/books/") + parts.book);
            if (programFolder.holds(bookFolder))
                removeIfThere(programFolder.path(QStringLiteral("/books/") + parts.book + QLatin1Char('/')
                                                 + parts.file + QStringLiteral(".tnl")));
            // A picture that could not be written ends the save: the own
            // picture is not rewritten from a canvas that was not kept.
            try {
                if (!canvasToJpeg(canvas.P, jpeg))
                    return SaveResult::Failed;
                canvas.setLast_saved_picture(jpeg);
            } catch (const AppError& e) {
                qCWarning(Log::files) << "Could not save the coloured picture" << jpeg << ":" << e.description();
                return resultOf(e);
            }
        }

        if (isOwnPicture(programFolder, picture) && !programFolder.holds(QFileInfo(picture).path())) {
            failed(SaveResult::Failed);
        } else if (isOwnPicture(programFolder, picture)) {
            // The marker lines become part of the own picture; the red fill of
            // the last stroke does not.
            canvas.tP.clear();
            try {
                canvas.tP.saveBmp(picture);
            } catch (const AppError& e) {
                qCWarning(Log::files) << "Could not save the own picture" << picture << ":" << e.description();
                failed(resultOf(e));
            }
        }
    } catch (const std::exception& e) {
        qCWarning(Log::files) << "Could not save" << picture << ":" << e.what();
        failed(SaveResult::Failed);
    }
    return result;
}

bool canvasToJpeg(const QImage& canvas, const QString& target)
{
    // Straight from the image's bits: no 24-bit copy before the encoder.
    return mIntelJPEGLibrary::SaveJPG(canvas, target, JpegQuality);
}

bool canvasToJpeg(PictureSurface& canvas, const QString& target)
{
    canvas.commit();
    return canvasToJpeg(canvas.picture(), target);
}

}
