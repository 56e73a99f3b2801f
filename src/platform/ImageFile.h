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
