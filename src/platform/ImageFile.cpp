#include "platform/ImageFile.h"

#include "platform/AppError.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ImageFile {

namespace {

[[noreturn]] void damaged()
{
    throw AppError(ErrorNumber::InvalidPicture, QStringLiteral("Invalid picture"));
}

bool startsWith(const QByteArray& bytes, const char* magic, qsizetype size)
{
    return bytes.size() >= size && std::memcmp(bytes.constData(), magic, size_t(size)) == 0;
}

// The decoder for the bytes, chosen from their first bytes alone; empty for
// anything that is not BMP, GIF or JPEG.
QByteArray formatOf(const QByteArray& bytes)
{
    if (startsWith(bytes, "BM", 2))
        return QByteArrayLiteral("bmp");
    if (startsWith(bytes, "GIF87a", 6) || startsWith(bytes, "GIF89a", 6))
        return QByteArrayLiteral("gif");
    if (startsWith(bytes, "\xFF\xD8\xFF", 3))
        return QByteArrayLiteral("jpeg");
    return {};
}

bool withinLimits(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= MaxSide && height <= MaxSide && width * height <= MaxPixels;
}

// Checks a BMP's header before Qt sees it: the size within the limits, and
// for an uncompressed BMP every pixel byte present (Qt's reader would fill
// the rows of a file cut short). A negative height is a top-down BMP.
void checkBmp(const QByteArray& bytes)
{
    if (bytes.size() < 26)
        damaged();
    const uchar* p = reinterpret_cast<const uchar*>(bytes.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(p + 14);
    if (headerSize < 40) {
        // OS/2 core header: 16-bit sides, nothing else checked here.
        if (!withinLimits(qFromLittleEndian<quint16>(p + 18), qFromLittleEndian<quint16>(p + 20)))
            damaged();
        return;
    }
    if (bytes.size() < 54)
        damaged();
    const quint32 offset = qFromLittleEndian<quint32>(p + 10);
    const qint64 width = qFromLittleEndian<qint32>(p + 18);
    const qint64 height = qAbs(qint64(qFromLittleEndian<qint32>(p + 22)));
    if (!withinLimits(width, height))
        damaged();
    const int bpp = qFromLittleEndian<quint16>(p + 28);
    const quint32 compression = qFromLittleEndian<quint32>(p + 30);
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed || !(bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32))
        return;
    // Every row padded to 4 bytes (Qt reads the last row's filler too). The
    // sides are within MaxSide, so none of this can overflow.
    const qint64 stride = ((width * bpp + 31) / 32) * 4;
    if (bytes.size() < qint64(offset) + stride * height)
        damaged();
}

// A GIF is drawn on its logical screen, whatever size its frames have: the
// screen's size is what gets allocated.
void checkGif(const QByteArray& bytes)
{
    if (bytes.size() < 10)
        damaged();
    const uchar* p = reinterpret_cast<const uchar*>(bytes.constData());
    if (!withinLimits(qFromLittleEndian<quint16>(p + 6), qFromLittleEndian<quint16>(p + 8)))
        damaged();
}

// The number of scans (SOS markers) in a JPEG, counted up to limit + 1.
// Entropy-coded data is skipped byte by byte: inside it a 0xFF is followed
// by a zero byte or a restart marker.
int jpegScans(const QByteArray& bytes, int limit)
{
    const uchar* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    int scans = 0;
    qsizetype i = 2;
    while (i + 1 < size && scans <= limit) {
        if (p[i] != 0xFF)
            return scans; // not a marker: the decoder will call it damaged
        const uchar marker = p[i + 1];
        if (marker == 0xFF) {
            ++i; // fill byte
            continue;
        }
        if (marker == 0xD9)
            break;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            i += 2;
            continue;
        }
        if (i + 3 >= size)
            break;
        i += 2 + ((qsizetype(p[i + 2]) << 8) | p[i + 3]);
        if (marker != 0xDA)
            continue;
        ++scans;
        while (i + 1 < size && !(p[i] == 0xFF && p[i + 1] != 0 && !(p[i + 1] >= 0xD0 && p[i + 1] <= 0xD7)))
            ++i;
    }
    return scans;
}

// The whole file, if it is a regular file of a sane size. Opened without
// blocking, so a FIFO cannot hold the reader.
QByteArray readRegularFile(const QString& path)
{
    if (path.startsWith(QLatin1Char(':'))) {
        // A picture compiled into the program.
        QFile resource(path);
        if (!resource.open(QIODevice::ReadOnly))
            throw AppError(ErrorNumber::FileNotFound, QStringLiteral("File not found"));
        if (resource.size() > MaxFileBytes)
            damaged();
        return resource.readAll();
    }
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG || errno == ELOOP)
            throw AppError(ErrorNumber::FileNotFound, QStringLiteral("File not found"));
        damaged();
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        damaged();
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        damaged();
    if (S_ISDIR(st.st_mode))
        throw AppError(ErrorNumber::FileNotFound, QStringLiteral("File not found"));
    if (!S_ISREG(st.st_mode) || st.st_size > MaxFileBytes)
        damaged();
    QByteArray bytes = file.read(qint64(st.st_size));
    if (file.error() != QFileDevice::NoError || bytes.size() != st.st_size)
        damaged();
    return bytes;
}

} // namespace

int jpegScanLimit(qint64 pixels)
{
    if (pixels <= JpegScanPixels)
        return MaxJpegScans;
    return int(qMax<qint64>(MinJpegScans, MaxJpegScans * JpegScanPixels / pixels));
}

QImage read(const QString& path)
{
    return decode(readRegularFile(path));
}

QImage decode(const QByteArray& bytes)
{
    const QByteArray format = formatOf(bytes);
    if (format.isEmpty())
        damaged();
    if (format == "bmp")
        checkBmp(bytes);
    else if (format == "gif")
        checkGif(bytes);

    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        damaged();
    // The one decoder for the format; no other is tried, whatever the
    // content claims.
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    // Qt's own allocation guard (128 MB by default) would refuse pictures
    // that MaxPixels allows; the size is checked here instead.
    reader.setAllocationLimit(int(MaxPixels * 4 / (1024 * 1024)) + 1);
    const QSize announced = reader.size();
    if (!withinLimits(announced.width(), qAbs(qint64(announced.height()))))
        damaged();
    if (format == "jpeg") {
        const int limit = jpegScanLimit(qint64(announced.width()) * announced.height());
        if (jpegScans(bytes, limit) > limit)
            damaged();
    }
    QImage image = reader.read();
    if (image.isNull() || !withinLimits(image.width(), image.height()))
        damaged();
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
