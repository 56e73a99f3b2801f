// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ImageFile.h"

#include "platform/AppError.h"
#include "platform/DeadlineDevice.h"
#include "platform/FileBytes.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <cerrno>
#include <functional>
#include <utility>
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
// anything that is not BMP, GIF or JPEG, or PNG where it is allowed.
QByteArray formatOf(const QByteArray& bytes, bool pngAllowed = false)
{
    if (pngAllowed && startsWith(bytes, "\x89PNG\r\n\x1A\n", 8))
        return QByteArrayLiteral("png");
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

// The size an uncompressed BMP needs for all of its pixel bytes (Qt reads
// the last row's filler too), from its 54-byte header; 0 when it is not such
// a BMP (an OS/2 core header, a compressed picture) or its sides are out of
// the limits. Within the limits none of this can overflow.
qint64 bmpNeededSize(const uchar* p)
{
    const quint32 offset = qFromLittleEndian<quint32>(p + 10);
    if (qFromLittleEndian<quint32>(p + 14) < 40)
        return 0;
    const qint64 width = qFromLittleEndian<qint32>(p + 18);
    const qint64 height = qAbs(qint64(qFromLittleEndian<qint32>(p + 22)));
    const int bpp = qFromLittleEndian<quint16>(p + 28);
    const quint32 compression = qFromLittleEndian<quint32>(p + 30);
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!withinLimits(width, height) || !uncompressed
        || !(bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32))
        return 0;
    const qint64 stride = ((width * bpp + 31) / 32) * 4;
    return qint64(offset) + stride * height;
}

// Checks a BMP's header before Qt sees it: the size within the limits, and
// for an uncompressed BMP every pixel byte present (Qt's reader would fill
// the rows of a file cut short). A negative height is a top-down BMP.
// header holds at least the file's first 54 bytes when it has that many;
// fileSize is the whole file's.
void checkBmpHeader(const QByteArray& header, qint64 fileSize)
{
    if (header.size() < 26)
        damaged();
    const uchar* p = reinterpret_cast<const uchar*>(header.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(p + 14);
    if (headerSize < 40) {
        // OS/2 core header: 16-bit sides, nothing else checked here.
        if (!withinLimits(qFromLittleEndian<quint16>(p + 18), qFromLittleEndian<quint16>(p + 20)))
            damaged();
        return;
    }
    if (header.size() < 54)
        damaged();
    if (!withinLimits(qFromLittleEndian<qint32>(p + 18), qAbs(qint64(qFromLittleEndian<qint32>(p + 22)))))
        damaged();
    if (fileSize < bmpNeededSize(p))
        damaged();
}

void checkBmp(const QByteArray& bytes)
{
    checkBmpHeader(bytes, bytes.size());
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

// The number of scans (SOS markers) the decoder will meet, counted up to
// limit + 1. Markers are found the way libjpeg finds them: whatever lies
// between segments that is not a marker is skipped up to the next 0xFF (the
// decoder only warns about it), so a segment of any kind, or garbage, in
// front of the scans hides none of them. After a start of scan the
// entropy-coded data runs to the next 0xFF that is neither stuffing (0xFF00)
// nor a restart marker.
int jpegScans(const QByteArray& bytes, int limit)
{
    const uchar* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    auto nextFF = [p, size](qsizetype from) {
        if (from >= size)
            return size;
        const void* hit = std::memchr(p + from, 0xFF, size_t(size - from));
        return hit ? qsizetype(static_cast<const uchar*>(hit) - p) : size;
    };
    int scans = 0;
    qsizetype i = 2;
    while (scans <= limit) {
        i = nextFF(i);
        while (i < size && p[i] == 0xFF)
            ++i; // fill bytes
        if (i >= size)
            break;
        const uchar marker = p[i++];
        if (marker == 0xD9)
            break;
        // No length: stuffing outside a scan, TEM, restarts, a second SOI.
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
            continue;
        if (i + 1 >= size)
            break;
        i += (qsizetype(p[i]) << 8) | p[i + 1];
        if (marker != 0xDA)
            continue;
        ++scans;
        for (i = nextFF(i); i + 1 < size; i = nextFF(i)) {
            const uchar next = p[i + 1];
            if (next != 0x00 && !(next >= 0xD0 && next <= 0xD7))
                break;
            i += 2;
        }
    }
    return scans;
}

quint8 byteAt(const QByteArray& bytes, qsizetype i)
{
    return quint8(bytes.at(i));
}

// GIF: header, screen descriptor, colour table, then blocks up to the
// trailer 0x3B.
qsizetype gifEnd(const QByteArray& bytes, qsizetype from, qint64* work)
{
    const qsizetype size = bytes.size();
    qsizetype i = from;
    if (size - i < 13 || (bytes.mid(i, 6) != "GIF87a" && bytes.mid(i, 6) != "GIF89a"))
        return -1;
    const quint8 screenFlags = byteAt(bytes, i + 10);
    i += 13;
    if (screenFlags & 0x80)
        i += 3 * (qsizetype(1) << ((screenFlags & 7) + 1));
    auto skipSubBlocks = [&]() {
        while (i < size) {
            const quint8 length = byteAt(bytes, i);
            i += 1 + length;
            if (length == 0)
                return true;
        }
        return false;
    };
    while (i < size) {
        const quint8 block = byteAt(bytes, i);
        if (block == 0x3B) {
            if (work)
                *work += i + 1 - from;
            return i + 1;
        }
        if (block == 0x21) { // extension: label, then sub-blocks
            i += 2;
            if (!skipSubBlocks())
                break;
        } else if (block == 0x2C) { // image: descriptor, colour table, LZW size, data
            if (size - i < 11)
                break;
            const quint8 flags = byteAt(bytes, i + 9);
            i += 10;
            if (flags & 0x80)
                i += 3 * (qsizetype(1) << ((flags & 7) + 1));
            i += 1;
            if (!skipSubBlocks())
                break;
        } else {
            break;
        }
    }
    if (work)
        *work += qMin(i, size) - from;
    return -1;
}

// JPEG: markers with their lengths; after each start of scan, the coded
// data runs to the next marker that is neither a stuffed 0xFF nor a restart.
qsizetype jpegEnd(const QByteArray& bytes, qsizetype from, qint64* work)
{
    const qsizetype size = bytes.size();
    const char* data = bytes.constData();
    if (size - from < 4 || byteAt(bytes, from) != 0xFF || byteAt(bytes, from + 1) != 0xD8)
        return -1;
    qsizetype i = from + 2;
    int scans = 0;
    auto done = [&](qsizetype result) {
        if (work)
            *work += qMin(i, size) - from;
        return result;
    };
    while (i < size) {
        if (byteAt(bytes, i) != 0xFF)
            return done(-1);
        while (i < size && byteAt(bytes, i) == 0xFF)
            ++i; // fill bytes
        if (i >= size)
            break;
        const quint8 marker = byteAt(bytes, i++);
        if (marker == 0xD9)
            return done(i);
        if (marker == 0xD8 || marker == 0x00)
            return done(-1);
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        if (size - i < 2)
            break;
        const qsizetype length = (qsizetype(byteAt(bytes, i)) << 8) | byteAt(bytes, i + 1);
        if (length < 2)
            return done(-1);
        i += length;
        if (marker != 0xDA)
            continue;
        if (++scans > MaxJpegScans)
            return done(-1);
        // Coded data: find the next real marker.
        while (i < size) {
            const void* hit = memchr(data + i, 0xFF, size_t(size - i));
            if (!hit) {
                i = size;
                break;
            }
            i = static_cast<const char*>(hit) - data;
            if (i + 1 >= size) {
                i = size;
                break;
            }
            const quint8 next = byteAt(bytes, i + 1);
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7) || next == 0xFF)
                i += next == 0xFF ? 1 : 2;
            else
                break;
        }
    }
    return done(-1);
}

// Opens path into file if it is a regular file of a sane size, and returns
// that size. Opened without blocking, so a FIFO cannot hold the reader.
qint64 openRegularFile(const QString& path, QFile& file)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG || errno == ELOOP)
            throw AppError(ErrorNumber::FileNotFound, QStringLiteral("File not found"));
        damaged();
    }
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
    return qint64(st.st_size);
}

// The first bytes of file, exactly wanted of them (fewer only when the file
// is shorter than that).
QByteArray readExactly(QFile& file, qint64 wanted)
{
    QByteArray bytes;
    if (!FileBytes::readExactly(file, wanted, bytes))
        damaged();
    return bytes;
}

// The whole file, if it is a regular file of a sane size.
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
    QFile file;
    const qint64 size = openRegularFile(path, file);
    return readExactly(file, size);
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

void check(const QString& path)
{
    // Enough for every header looked at here: a BMP's 54 bytes, a GIF's 10.
    constexpr qint64 HeaderBytes = 64;
    QFile file;
    const qint64 size = openRegularFile(path, file);
    const QByteArray header = readExactly(file, qMin(size, HeaderBytes));
    const QByteArray format = formatOf(header);
    if (format.isEmpty())
        damaged();
    if (format == "bmp")
        checkBmpHeader(header, size);
    else if (format == "gif")
        checkGif(header);
}

bool isPng(const QByteArray& bytes)
{
    return formatOf(bytes, true) == "png";
}

namespace {

// What a caller asks of decodeRaw() beyond the plain decoding.
struct DecodeRequest
{
    // Stops once every check before the decoding has passed.
    bool checkOnly = false;
    // The size a JPEG may be decoded at, from its announced size; libjpeg
    // then skips most of the work for a small one. Other formats ignore it.
    const std::function<QSize(QSize)>* jpegSizeFor = nullptr;
    // The decoder writes into this image's pixels when their size and
    // format fit, instead of allocating new ones.
    QImage* reuse = nullptr;
    // Receives the size the picture's header announces.
    QSize* announcedSize = nullptr;
};

// The decoding itself, without the conversion to RGB32.
QImage decodeRaw(const QByteArray& bytes, const QByteArray& wanted, qint64* announcedPixels, int timeLimitMs,
                 bool pngAllowed = false, const DecodeRequest& request = {})
{
    const QByteArray format = formatOf(bytes, pngAllowed);
    if (format.isEmpty() || (!wanted.isEmpty() && (format != wanted || structuralEnd(bytes, 0, format) < 0)))
        damaged();
    if (format == "bmp")
        checkBmp(bytes);
    else if (format == "gif")
        checkGif(bytes);

    // The scan count bounds the passes over the pixels; the deadline bounds
    // everything else the bytes can ask of a decoder.
    DeadlineDevice buffer(bytes, timeLimitMs);
    if (!buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
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
    if (announcedPixels && announced.isValid())
        *announcedPixels = qint64(announced.width()) * qAbs(qint64(announced.height()));
    if (!withinLimits(announced.width(), qAbs(qint64(announced.height()))))
        damaged();
    if (format == "jpeg") {
        const int limit = jpegScanLimit(qint64(announced.width()) * announced.height());
        if (jpegScans(bytes, limit) > limit)
            damaged();
    }
    if (request.announcedSize)
        *request.announcedSize = QSize(announced.width(), qAbs(announced.height()));
    if (request.checkOnly)
        return {};
    if (format == "jpeg" && request.jpegSizeFor) {
        const QSize size = (*request.jpegSizeFor)(announced);
        if (size.isValid() && size.width() < announced.width() && size.height() < announced.height())
            reader.setScaledSize(size);
    }
    QImage image;
    if (request.reuse)
        image = std::exchange(*request.reuse, QImage());
    if (!reader.read(&image) || image.isNull() || buffer.expired() || !withinLimits(image.width(), image.height()))
        damaged();
    return image;
}

// RGB32 for every caller; transparent parts of a GIF show the white page.
QImage flattened(QImage image)
{
    if (image.format() != QImage::Format_RGB32) {
        if (image.hasAlphaChannel()) {
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

} // namespace

QImage decode(const QByteArray& bytes, const QByteArray& format, int timeLimitMs)
{
    return flattened(decodeRaw(bytes, format, nullptr, timeLimitMs));
}

QImage readForImport(const QString& path)
{
    return decodeForImport(readRegularFile(path));
}

QImage decodeForImport(const QByteArray& bytes)
{
    return flattened(decodeRaw(bytes, {}, nullptr, MaxDecodeMilliseconds, true));
}

QImage readShrunk(const QString& path, const std::function<QSize(QSize)>& jpegSizeFor, QImage* reuse,
                  QSize* announcedSize)
{
    DecodeRequest request;
    request.jpegSizeFor = &jpegSizeFor;
    request.reuse = reuse;
    request.announcedSize = announcedSize;
    return flattened(decodeRaw(readRegularFile(path), {}, nullptr, MaxDecodeMilliseconds, false, request));
}

void checkWhole(const QString& path)
{
    const QByteArray bytes = readRegularFile(path);
    const QByteArray format = formatOf(bytes);
    if (format.isEmpty())
        damaged();
    DecodeRequest request;
    request.checkOnly = true;
    decodeRaw(bytes, format, nullptr, MaxDecodeMilliseconds, false, request);
}

bool isWhole(const QByteArray& bytes, const QByteArray& format, qint64* announcedPixels)
{
    try {
        DecodeRequest request;
        request.checkOnly = true;
        decodeRaw(bytes, format, announcedPixels, MaxDecodeMilliseconds, false, request);
        return true;
    } catch (const AppError&) {
        return false;
    }
}

bool decodes(const QByteArray& bytes, const QByteArray& format, qint64* announcedPixels)
{
    try {
        decodeRaw(bytes, format, announcedPixels, MaxDecodeMilliseconds);
        return true;
    } catch (const AppError&) {
        return false;
    }
}

qsizetype structuralEnd(const QByteArray& bytes, qsizetype from, const QByteArray& format, qint64* work)
{
    if (from < 0 || from >= bytes.size())
        return -1;
    if (format == "gif")
        return gifEnd(bytes, from, work);
    if (format == "jpeg")
        return jpegEnd(bytes, from, work);
    if (format == "bmp") {
        if (bytes.size() - from < 54 || bytes.at(from) != 'B' || bytes.at(from + 1) != 'M')
            return -1;
        const qint64 needed = bmpNeededSize(reinterpret_cast<const uchar*>(bytes.constData()) + from);
        if (work)
            *work += 54;
        const qint64 end = from + qMax<qint64>(needed, 54);
        return end <= bytes.size() ? qsizetype(end) : -1;
    }
    return -1;
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
