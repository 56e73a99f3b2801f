// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <functional>

// Reading and writing whole image files, shared by every part that touches
// pictures on disk.
namespace ImageFile {

// Pictures larger than this are treated as damaged rather than allocated.
constexpr qint64 MaxPixels = 64LL * 1000 * 1000;
constexpr int MaxSide = 16384;
// Larger files are not read at all: room for the largest uncompressed BMP.
constexpr qint64 MaxFileBytes = MaxPixels * 4 + 1024 * 1024;
// A progressive JPEG needs about ten scans; each scan is a full pass over the
// picture, so a file with hundreds of them can keep the decoder busy for
// minutes. Neither libjpeg-turbo nor Qt's reader sets any limit by default.
// Up to JpegScanPixels pixels a JPEG may have MaxJpegScans scans; larger
// ones proportionally fewer, but never fewer than MinJpegScans.
constexpr int MaxJpegScans = 100;
constexpr int MinJpegScans = 16;
constexpr qint64 JpegScanPixels = 4LL * 1024 * 1024;
int jpegScanLimit(qint64 pixels);
// However its bytes are arranged, no picture keeps a decoder reading longer
// than this; one that would is damaged. The largest pictures allowed read in
// well under a second.
constexpr int MaxDecodeMilliseconds = 3000;

// Reads a BMP, GIF or JPEG file into an RGB32 image. The format is taken
// from the file's first bytes, never from its name, and only those three
// decoders are ever used. Throws AppError(FileNotFound) when the file or a
// folder on its path is missing (or path names a folder), and
// AppError(InvalidPicture) when it is anything else: not a regular file,
// larger than MaxFileBytes, another format, damaged, announcing more than
// MaxPixels pixels or a side above MaxSide, or a JPEG of more scans than
// jpegScanLimit() allows for its size.
QImage read(const QString& path);
// What read() refuses without decoding, for many files at once: throws as
// read() would when the file is missing, not a regular file, too large, not
// a BMP, GIF or JPEG by its first bytes, announces a BMP or GIF size out of
// the limits, or is an uncompressed BMP cut short. Only the first bytes are
// read, so a file that passes may still fail read() (damaged pixel data, a
// JPEG's scans).
void check(const QString& path);
// The same for a picture that is only to be shown small: a JPEG is decoded
// straight at jpegSizeFor(its announced size) when that is smaller on both
// sides (libjpeg decodes at 1/8 steps and Qt's reader scales the rest),
// every other picture at its own size. reuse, when given, lends its pixels
// to the decoder (a caller reading many pictures of one size allocates
// once) and is left null. announcedSize (when given) receives the size the
// picture has by its header, whatever size it was decoded at.
QImage readShrunk(const QString& path, const std::function<QSize(QSize)>& jpegSizeFor, QImage* reuse = nullptr,
                  QSize* announcedSize = nullptr);
// What read() refuses without decoding the pixels: everything check()
// refuses, and a picture that is not whole by its own structure (see
// decode() with a format) or whose header the decoder does not accept.
// Reads the whole file. A picture that passes may still fail read() when
// its pixel data are damaged.
void checkWhole(const QString& path);
// The same for a picture a parent adds from outside the books, which may
// also be a PNG (it is written into a book as a BMP: PNG is never read from
// a book).
QImage readForImport(const QString& path);
// The same from bytes in memory.
QImage decodeForImport(const QByteArray& bytes);
// Whether the bytes begin as a PNG file does.
bool isPng(const QByteArray& bytes);

// Decodes a picture held in memory with the same guards. format ("bmp",
// "gif" or "jpeg"), when given, is the kind the bytes must be; a picture
// checked against a kind must also be whole by its own structure (a GIF
// that ends before its trailer, a JPEG before its end marker or a BMP
// before its last row is damaged), which a picture cut out of a larger
// file needs. Reading takes at most timeLimitMs. Throws
// AppError(InvalidPicture).
QImage decode(const QByteArray& bytes, const QByteArray& format = {}, int timeLimitMs = MaxDecodeMilliseconds);
// Whether decode() would succeed; cheaper, as the pixels are not converted.
// announcedPixels (when given) receives the pixel count the header
// announced, once it could be read, so that callers can bound their work.
bool decodes(const QByteArray& bytes, const QByteArray& format = {}, qint64* announcedPixels = nullptr);

// Whether decode() with a format would get as far as decoding the pixels:
// the kind, the structure (whole up to its end), the header the decoder
// reads and its limits, a JPEG's scan count; the pixels are not decoded, so
// this costs a pass over the bytes at most. A picture that passes may still
// fail decode() when its pixel data are damaged.
bool isWhole(const QByteArray& bytes, const QByteArray& format, qint64* announcedPixels = nullptr);

// Where a picture that starts at bytes[from] ends, by its own structure: the
// byte after a GIF's trailer, after a JPEG's end marker, after a BMP's last
// row of pixels. -1 when the data ends first, the structure is broken or a
// JPEG has more than MaxJpegScans scans. work (when given) counts the bytes
// examined.
qsizetype structuralEnd(const QByteArray& bytes, qsizetype from, const QByteArray& format,
                        qint64* work = nullptr);

// Encodes an image as an uncompressed 24-bit BMP file.
QByteArray encodeBmp24(const QImage& image);

}
