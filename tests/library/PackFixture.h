// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TestTools.h"

// Pictures, packs and folder snapshots for the picture pack tests.

#include "library/PicturePack.h"
#include "platform/ImageFile.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

namespace PackFixture {

// Pictures as the test data folder writes them: a frame and a bar.
inline QByteArray picture(const QString& name, int width, int height)
{
    TempDataFolder scratch;
    scratch.writePicture(QLatin1Char('/') + name, width, height);
    return fileBytes(scratch.root() + QLatin1Char('/') + name);
}
inline QByteArray bmp(int width = 24, int height = 16) { return picture(QStringLiteral("a.bmp"), width, height); }
inline QByteArray gif(int width = 24, int height = 16) { return picture(QStringLiteral("a.gif"), width, height); }
inline QByteArray jpeg(int width = 24, int height = 16) { return picture(QStringLiteral("a.jpg"), width, height); }

// The same pictures with the separator's bytes inside them, where their
// readers do not mind: a GIF comment, a JPEG comment, BMP pixels.
inline QByteArray gifWithSeparator()
{
    QByteArray bytes = gif();
    const QByteArray sep = PicturePack::separator();
    bytes.insert(13 + 6, QByteArray("\x21\xFE", 2) + char(sep.size()) + sep + '\0');
    return bytes;
}

inline QByteArray jpegWithSeparator()
{
    QByteArray bytes = jpeg();
    const QByteArray sep = PicturePack::separator();
    QByteArray comment("\xFF\xFE", 2);
    comment.append(char(0)).append(char(sep.size() + 2)).append(sep);
    bytes.insert(2, comment);
    return bytes;
}

inline QByteArray bmpWithSeparator()
{
    QByteArray bytes = bmp(40, 8);
    const QByteArray sep = PicturePack::separator();
    bytes.replace(54 + 3, sep.size(), sep); // first row of pixels
    return bytes;
}

inline QByteArray pack(const QString& book, const QList<PicturePack::Picture>& pictures)
{
    return PicturePack::encode(book, pictures);
}

// Every entry under root with its kind, size and content, to tell that
// nothing changed.
inline QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QByteArray value = info.isSymLink() ? "link:" + info.symLinkTarget().toUtf8()
            : info.isDir()                  ? QByteArray("folder")
                                            : fileBytes(path);
        entries.insert(path.mid(root.size()), value);
    }
    return entries;
}

} // namespace PackFixture
