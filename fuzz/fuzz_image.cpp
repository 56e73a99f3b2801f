// SPDX-License-Identifier: GPL-3.0-or-later
// The picture readers on bytes from anywhere, the books' (BMP, GIF, JPEG)
// and the one for pictures a parent adds (PNG too), and the browser's check
// of a file by its first bytes, its check of a picture's structure and the
// shrunk read that makes thumbnails: they may refuse them (AppError), never
// crash, hang or run out of memory.
#include "library/ThumbnailMaker.h"
#include "platform/AppError.h"
#include "platform/ImageFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The GIF and JPEG decoders are plugins, found through the application.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

namespace {

// What the program does next with every picture: look at its pixels.
void lookAt(const QImage& image)
{
    if (image.format() != QImage::Format_RGB32 || image.width() > ImageFile::MaxSide
        || image.height() > ImageFile::MaxSide)
        __builtin_trap();
    volatile QRgb corner = image.pixel(image.width() - 1, image.height() - 1);
    (void)corner;
}

void check(QImage (*reader)(const QByteArray&), const QByteArray& bytes)
{
    try {
        lookAt(reader(bytes));
    } catch (const AppError&) {
    }
}

// One maker for every input, as the browser keeps one: each decode goes
// into the pixels the last one left.
void makeThumbnail(const QString& path)
{
    static ThumbnailMaker maker;
    try {
        lookAt(maker.make(path));
    } catch (const AppError&) {
    }
}

QImage decodeBookPicture(const QByteArray& bytes)
{
    return ImageFile::decode(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    check(decodeBookPicture, bytes);
    check(ImageFile::decodeForImport, bytes);
    // The check reads a file: the input is written to one, anew each time.
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("input.bmp"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()) {
        file.close();
        try {
            ImageFile::check(path);
        } catch (const AppError&) {
        }
        try {
            ImageFile::checkWhole(path);
        } catch (const AppError&) {
        }
        makeThumbnail(path);
    }
    return 0;
}
