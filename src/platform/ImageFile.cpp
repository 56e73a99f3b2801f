#include "platform/ImageFile.h"

#include "platform/AppError.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRandomGenerator>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ImageFile {

namespace {

// Qt's BMP reader accepts a file cut short and fills the missing rows, so an
// uncompressed BMP is checked for all of its pixel bytes. Gives the size an
// uncompressed BMP needs from its header; 0 when the header is not one of
// those (OS/2 core headers and compressed pictures are left to the reader).
qint64 bmpNeededSize(const QByteArray& head)
{
    if (head.size() < 54 || !head.startsWith("BM"))
        return 0;
    const uchar* p = reinterpret_cast<const uchar*>(head.constData());
    const quint32 offset = qFromLittleEndian<quint32>(p + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(p + 14);
    if (headerSize < 40)
        return 0;
    const qint64 width = qFromLittleEndian<qint32>(p + 18);
    const qint64 height = qAbs(qint64(qFromLittleEndian<qint32>(p + 22)));
    const int bpp = qFromLittleEndian<quint16>(p + 28);
    const quint32 compression = qFromLittleEndian<quint32>(p + 30);
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed || width <= 0 || height <= 0
        || !(bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32))
        return 0;
    // Every row padded to 4 bytes (Qt reads the last row's filler too).
    const qint64 stride = ((width * bpp + 31) / 32) * 4;
    return qint64(offset) + stride * height;
}

bool bmpIsTruncated(const QString& path, qint64 fileSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return fileSize < bmpNeededSize(file.read(54));
}

// The reader's size guard, then the reading itself.
QImage readChecked(QImageReader& reader, qint64* announcedPixels = nullptr)
{
    const QSize announced = reader.size();
    if (announcedPixels && announced.isValid())
        *announcedPixels = qint64(announced.width()) * announced.height();
    if (!announced.isValid() || announced.width() > MaxSide || announced.height() > MaxSide
        || qint64(announced.width()) * announced.height() > MaxPixels)
        throw AppError(ErrorNumber::InvalidPicture, QStringLiteral("Invalid picture"));
    QImage image = reader.read();
    if (image.isNull())
        throw AppError(ErrorNumber::InvalidPicture, QStringLiteral("Invalid picture"));
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

QImage read(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        throw AppError(ErrorNumber::FileNotFound, QStringLiteral("File not found"));
    if (bmpIsTruncated(path, info.size()))
        throw AppError(ErrorNumber::InvalidPicture, QStringLiteral("Invalid picture"));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = readChecked(reader);
    return flattened(std::move(image));
}

namespace {

bool isKnownFormat(const QByteArray& format)
{
    return format == "bmp" || format == "gif" || format == "jpeg";
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

// The kind asked for (its reader checks the bytes), or else the kind the
// bytes say they are, when it is one of the three.
QByteArray formatOf(QBuffer& buffer, const QByteArray& wanted)
{
    if (!wanted.isEmpty())
        return isKnownFormat(wanted) ? wanted : QByteArray();
    const QByteArray found = QImageReader::imageFormat(&buffer);
    buffer.seek(0);
    return isKnownFormat(found) ? found : QByteArray();
}

QImage decodeUnconverted(const QByteArray& bytes, const QByteArray& wanted, qint64* announcedPixels = nullptr)
{
    const auto invalid = []() { return AppError(ErrorNumber::InvalidPicture, QStringLiteral("Invalid picture")); };
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        throw invalid();
    const QByteArray format = formatOf(buffer, wanted);
    if (format.isEmpty() || structuralEnd(bytes, 0, format) < 0)
        throw invalid();
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead())
        throw invalid();
    return readChecked(reader, announcedPixels);
}

} // namespace

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
        const qint64 needed = bmpNeededSize(QByteArray::fromRawData(bytes.constData() + from, 54));
        if (work)
            *work += 54;
        const qint64 end = from + qMax<qint64>(needed, 54);
        return end <= bytes.size() ? qsizetype(end) : -1;
    }
    return -1;
}

QImage decode(const QByteArray& bytes, const QByteArray& format)
{
    return flattened(decodeUnconverted(bytes, format));
}

bool decodes(const QByteArray& bytes, const QByteArray& format, qint64* announcedPixels)
{
    try {
        decodeUnconverted(bytes, format, announcedPixels);
        return true;
    } catch (const AppError&) {
        return false;
    }
}

namespace {

mode_t modeOf(QFileDevice::Permissions p)
{
    mode_t m = 0;
    if (p & (QFileDevice::ReadOwner | QFileDevice::ReadUser))
        m |= S_IRUSR;
    if (p & (QFileDevice::WriteOwner | QFileDevice::WriteUser))
        m |= S_IWUSR;
    if (p & (QFileDevice::ExeOwner | QFileDevice::ExeUser))
        m |= S_IXUSR;
    if (p & QFileDevice::ReadGroup)
        m |= S_IRGRP;
    if (p & QFileDevice::WriteGroup)
        m |= S_IWGRP;
    if (p & QFileDevice::ExeGroup)
        m |= S_IXGRP;
    if (p & QFileDevice::ReadOther)
        m |= S_IROTH;
    if (p & QFileDevice::WriteOther)
        m |= S_IWOTH;
    if (p & QFileDevice::ExeOther)
        m |= S_IXOTH;
    return m;
}

QString randomSuffix()
{
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QString s;
    quint64 r = QRandomGenerator::global()->generate64();
    for (int i = 0; i < 6; ++i, r /= 62)
        s += QLatin1Char(digits[r % 62]);
    return s;
}

} // namespace

bool writeReplacing(const QString& path, const QByteArray& bytes, QFileDevice::Permissions newFilePermissions)
{
    if (path.isEmpty())
        return false;
    QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (!target.isEmpty())
            info = QFileInfo(target);
    }
    const QString name = info.fileName();
    const QString folder = info.absolutePath();
    if (name.isEmpty())
        return false;
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());

    struct stat old {};
    const bool existed = ::stat(target.constData(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode))
        return false;

    // The temporary file: exclusive, in the same folder (so the rename is
    // atomic), private while it is written when it replaces a file.
    int fd = -1;
    QByteArray temp;
    bool shortStem = false; // for names too long to take the suffix
    for (int attempt = 0; attempt < 50; ++attempt) {
        const QString stem = shortStem ? QStringLiteral(".tintaloo") : QLatin1Char('.') + name;
        temp = QFile::encodeName(folder + QLatin1Char('/') + stem + QLatin1Char('.') + randomSuffix());
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existed ? 0600 : 0666);
        if (fd >= 0)
            break;
        if (errno == ENAMETOOLONG && !shortStem)
            shortStem = true;
        else if (errno != EEXIST && errno != EINTR)
            return false;
    }
    if (fd < 0)
        return false;
    auto fail = [&]() {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.constData());
        return false;
    };

    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail();
        }
        p += n;
        left -= n;
    }
    if (existed) {
        // Owner first (only root may give a file away; failure is fine),
        // then the permission bits, which chown may have cleared.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            return fail();
    } else if (newFilePermissions) {
        if (::fchmod(fd, modeOf(newFilePermissions)) != 0)
            return fail();
    }
    // On the disk before the rename, so that a crash leaves the old file or
    // the whole new one, never an empty one.
    if (::fdatasync(fd) != 0)
        return fail();
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return fail();
    if (::rename(temp.constData(), target.constData()) != 0)
        return fail();
    return true;
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
