#pragma once

#include <QFileDevice>
#include <QImage>
#include <QString>

// Reading and writing whole image files, shared by every part that touches
// pictures on disk.
namespace ImageFile {

// Pictures larger than this are treated as damaged rather than allocated.
constexpr qint64 MaxPixels = 64LL * 1000 * 1000;
constexpr int MaxSide = 16384;

// Reads a BMP, GIF or JPEG file into an RGB32 image. Throws
// AppError(FileNotFound) when the file is missing and AppError(InvalidPicture)
// when it is damaged, not a picture, or announces more than MaxPixels pixels
// or a side above MaxSide.
QImage read(const QString& path);

// The most scans a JPEG held in memory may have; more is a damaged picture
// (a crafted progressive file can otherwise take minutes to decode).
constexpr int MaxJpegScans = 100;

// Decodes a picture held in memory with the guards of read(). format
// ("bmp", "gif" or "jpeg") when the bytes must be a picture of that kind;
// otherwise any of the three. A GIF that ends before its trailer or a JPEG
// that ends before its end marker is damaged too. Throws
// AppError(InvalidPicture).
QImage decode(const QByteArray& bytes, const QByteArray& format = {});
// Whether decode() would succeed; cheaper, as the pixels are not converted.
// announcedPixels (when given) receives the pixel count the header
// announced, once it could be read, so that callers can bound their work.
bool decodes(const QByteArray& bytes, const QByteArray& format = {}, qint64* announcedPixels = nullptr);

// Where a picture that starts at bytes[from] ends, by its own structure: the
// byte after a GIF's trailer, after a JPEG's end marker, after a BMP's last
// row of pixels. -1 when the data ends first or the structure is broken.
// work (when given) counts the bytes examined.
qsizetype structuralEnd(const QByteArray& bytes, qsizetype from, const QByteArray& format,
                        qint64* work = nullptr);

// Writes bytes to path through a temporary file in the same folder (a
// hidden "." + name + ".XXXXXX"), flushed to the disk and then renamed over
// path; the old file stays whole until the new one is complete, and a failed
// write (full disk, size limit, missing or unwritable folder) leaves it
// untouched and no temporary file behind. A replaced file keeps the old
// file's permission bits and, when the process may set it, its owner; a new
// file gets newFilePermissions when given, otherwise the usual 0666 less the
// umask. A symbolic link at path is followed (its target is replaced).
// Returns false on any failure; path naming a folder is a failure.
//
// (Qt 6.4's QSaveFile is not used: it commits a truncated file when the last
// buffered write comes up short, for example on EFBIG or ENOSPC.)
bool writeReplacing(const QString& path, const QByteArray& bytes,
                    QFileDevice::Permissions newFilePermissions = {});

// Encodes an image as an uncompressed 24-bit BMP file.
QByteArray encodeBmp24(const QImage& image);

}
