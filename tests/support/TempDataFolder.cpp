// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

void TempDataFolder::writeFile(const QString& tail, const QByteArray& bytes) const
{
    const QString target = m_folder.root() + tail;
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void TempDataFolder::writePicture(const QString& tail, int width, int height) const
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < width; ++x) {
        image.setPixel(x, 0, 0xFF000000);
        image.setPixel(x, height - 1, 0xFF000000);
    }
    for (int y = 0; y < height; ++y) {
        image.setPixel(0, y, 0xFF000000);
        image.setPixel(width - 1, y, 0xFF000000);
        image.setPixel(width / 2, y, 0xFF000000);
    }
    const QString target = m_folder.root() + tail;
    QDir().mkpath(QFileInfo(target).absolutePath());
    const QString suffix = QFileInfo(target).suffix().toLower();
    if (suffix == QLatin1String("gif")) {
        // Qt reads GIF but cannot write it: a tiny two-colour GIF writer is
        // enough for tests (uncompressed LZW, clear code before every pixel run).
        QByteArray gif("GIF89a");
        auto le16 = [&gif](int v) { gif.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
        le16(width);
        le16(height);
        gif.append(char(0x80)).append('\0').append('\0'); // global table, 2 colours
        gif.append(QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6));
        gif.append(',');
        le16(0); le16(0); le16(width); le16(height);
        gif.append('\0');
        gif.append(char(2)); // minimum code size
        // Codes are 3 bits wide: emit a clear code (4) every 2 pixels so the
        // decoder never grows the code size.
        QByteArray data;
        quint32 acc = 0;
        int bits = 0;
        auto putCode = [&](int code) {
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
                    putCode(4);
                putCode(image.pixel(x, y) == 0xFFFFFFFF ? 1 : 0);
            }
        putCode(5);
        if (bits > 0)
            data.append(char(acc & 0xFF));
        for (qsizetype i = 0; i < data.size(); i += 255) {
            const QByteArray block = data.mid(i, 255);
            gif.append(char(block.size())).append(block);
        }
        gif.append('\0').append(';');
        writeFile(tail, gif);
        return;
    }
    image.save(target, suffix == QLatin1String("jpg") ? "JPG" : "BMP", 100);
}
