#pragma once

// Pictures, packs and folder snapshots for the picture pack tests.

#include "library/PicturePack.h"
#include "platform/ImageFile.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>
#include <QtEndian>

namespace PackFixture {

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// A black-and-white drawing with one black square.
inline QImage drawing(int width, int height, int seed = 0)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 2 + seed % 5; y < height / 2; ++y)
        for (int x = 2; x < width / 2; ++x)
            image.setPixel(x, y, 0xFF000000);
    return image;
}

inline QByteArray bmp(int width = 24, int height = 16, int seed = 0)
{
    return ImageFile::encodeBmp24(drawing(width, height, seed));
}

inline QByteArray jpeg(int width = 24, int height = 16)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    drawing(width, height).save(&buffer, "JPG", 90);
    return bytes;
}

// Two colours, uncompressed LZW (a clear code every two pixels).
inline QByteArray gif(int width = 24, int height = 16, int seed = 0)
{
    const QImage image = drawing(width, height, seed);
    QByteArray out("GIF89a");
    auto le16 = [&out](int v) { out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    le16(width);
    le16(height);
    out.append(char(0x80)).append('\0').append('\0');
    out.append(QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6));
    out.append(',');
    le16(0);
    le16(0);
    le16(width);
    le16(height);
    out.append('\0').append(char(2));
    QByteArray data;
    quint32 acc = 0;
    int bits = 0;
    auto put = [&](int code) {
        acc |= quint32(code) << bits;
        bits += 3;
        while (bits >= 8) {
            data.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    };
    int n = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (n++ % 2 == 0)
                put(4);
            put(image.pixel(x, y) == 0xFFFFFFFF ? 1 : 0);
        }
    put(5);
    if (bits > 0)
        data.append(char(acc & 0xFF));
    for (qsizetype i = 0; i < data.size(); i += 255) {
        const QByteArray block = data.mid(i, 255);
        out.append(char(block.size())).append(block);
    }
    out.append('\0').append(';');
    return out;
}

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
                                            : readAll(path);
        entries.insert(path.mid(root.size()), value);
    }
    return entries;
}

} // namespace PackFixture
