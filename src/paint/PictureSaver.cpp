#include "paint/PictureSaver.h"

#include "imaging/cDIBSection.h"
#include "imaging/mIntelJPEGLibrary.h"
#include "paint/Canvas.h"
#include "platform/PictureSurface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <exception>

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
    if (QFileInfo::exists(path))
        QFile::remove(path);
}

} // namespace

namespace PictureSaver {

QString coloredPathFor(const ProgramFolder& folder, const QString& picture)
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

void autoSave(Canvas& canvas, const ProgramFolder& programFolder)
{
    const QString picture = canvas.CurrentPicture();
    if (picture.isEmpty())
        return;
    try {
        PicturePath parts;
        if (!splitPicturePath(picture, parts))
            return;
        const QString folderTail = QStringLiteral("/colored pictures/") + parts.book;
        const QString folder = programFolder.path(folderTail);
        if (!QFileInfo(folder).isDir())
            QDir().mkpath(folder);

        if (QFileInfo(folder).isDir()) {
            const QString jpegTail = folderTail + QLatin1Char('/') + parts.file + QStringLiteral(".jpg");
            const QString jpeg = programFolder.path(jpegTail);
            // The old coloured picture is not deleted first: the writer
            // replaces it only once the new one is complete.
            removeIfThere(programFolder.path(jpegTail + QStringLiteral(".tnl")));
            removeIfThere(programFolder.path(QStringLiteral("/books/") + parts.book + QLatin1Char('/')
                                             + parts.file + QStringLiteral(".tnl")));
            if (!canvasToJpeg(canvas.P, jpeg))
                return;
            canvas.setLast_saved_picture(jpeg);
        }

        if (isOwnPicture(programFolder, picture)) {
            // The marker lines become part of the own picture; the red fill of
            // the last stroke does not.
            canvas.tP.clear();
            canvas.tP.saveBmp(picture);
        }
    } catch (const std::exception&) {
        // The automatic save is silent: the child is never troubled by it.
    }
}

bool canvasToJpeg(const QImage& canvas, const QString& target)
{
    cDIBSection dib;
    dib.CreateFromPicture(canvas);
    return mIntelJPEGLibrary::SaveJPG(dib, target, JpegQuality);
}

bool canvasToJpeg(PictureSurface& canvas, const QString& target)
{
    canvas.commit();
    return canvasToJpeg(canvas.picture(), target);
}

}
