#pragma once

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

// Writes bytes to path through a temporary file in the same folder and a
// rename; the old file stays whole until the new one is complete. Keeps the
// old file's permissions. Returns false on any failure.
bool writeReplacing(const QString& path, const QByteArray& bytes);

// Encodes an image as an uncompressed 24-bit BMP file.
QByteArray encodeBmp24(const QImage& image);

}
