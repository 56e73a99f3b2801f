// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/LoadProgress.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QStringList>

// A picture of one flat colour, written as BMP, JPEG or GIF by extension
// (GIF through the line-picture writer, which only knows black and white).
inline void writeSolid(const TempDataFolder& data, const QString& tail, QSize size, QRgb color)
{
    const QString target = data.root() + tail;
    QDir().mkpath(QFileInfo(target).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    image.save(target, target.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ? "JPG" : "BMP", 100);
}

inline void makeFolder(const TempDataFolder& data, const QString& tail)
{
    QDir().mkpath(data.root() + tail);
}

inline bool nearColor(QRgb a, QRgb b, int tolerance = 12)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Stands in for the splash window and remembers what it was told.
class RecordingProgress : public LoadProgress
{
public:
    void begin() override { events << QStringLiteral("begin"); }
    void setText(const QString& text) override { events << text; }
    void end() override { events << QStringLiteral("end"); }

    QStringList events;
};
