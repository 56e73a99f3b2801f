#include "platform/ImageFile.h"

#include "platform/AppError.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QtEndian>

namespace ImageFile {

QImage read(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        throw AppError(ErrorNumber::FileNotFound, QStringLiteral("File not found"));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize announced = reader.size();
    if (!announced.isValid() || announced.width() > MaxSide || announced.height() > MaxSide
        || qint64(announced.width()) * announced.height() > MaxPixels)
        throw AppError(ErrorNumber::InvalidPicture, QStringLiteral("Invalid picture"));
    QImage image = reader.read();
    if (image.isNull())
        throw AppError(ErrorNumber::InvalidPicture, QStringLiteral("Invalid picture"));
    if (image.format() != QImage::Format_RGB32) {
        if (image.hasAlphaChannel()) {
            // Transparent parts of a GIF show the white page behind them.
            QImage flat(image.size(), QImage::Format_RGB32);
            flat.fill(0xFFFFFFFF);
            image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            for (int y = 0; y < flat.height(); ++y) {
                const QRgb* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                QRgb* dst = reinterpret_cast<QRgb*>(flat.scanLine(y));
                for (int x = 0; x < flat.width(); ++x) {
                    const QRgb p = src[x];
                    const int a = qAlpha(p);
                    dst[x] = qRgb(qRed(p) + (255 - a), qGreen(p) + (255 - a), qBlue(p) + (255 - a));
                }
            }
            image = flat;
        } else {
            image = image.convertToFormat(QImage::Format_RGB32);
        }
    }
    return image;
}

bool writeReplacing(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QByteArray encodeBmp24(const QImage& source)
{
    const QImage image = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
        ? source
        : source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    const int stride = (3 * w + 3) & ~3;
    const quint32 imageSize = quint32(stride) * quint32(h);
    QByteArray out(54 + int(imageSize), '\0');
    uchar* p = reinterpret_cast<uchar*>(out.data());
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(54 + imageSize, p + 2);
    qToLittleEndian<quint32>(54, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(w, p + 18);
    qToLittleEndian<qint32>(h, p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(24, p + 28);
    qToLittleEndian<quint32>(imageSize, p + 34);
    qToLittleEndian<qint32>(3780, p + 38); // 96 dpi
    qToLittleEndian<qint32>(3780, p + 42);
    uchar* rows = p + 54;
    for (int y = 0; y < h; ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* dst = rows + qsizetype(h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = uchar(qBlue(src[x]));
            dst[3 * x + 1] = uchar(qGreen(src[x]));
            dst[3 * x + 2] = uchar(qRed(src[x]));
        }
    }
    return out;
}

}
