// SPDX-License-Identifier: GPL-3.0-or-later
// A sheet with every generated picture, enlarged and labelled, on a
// checkerboard so that transparency shows; for looking at the art.
#include "ArtWriter.h"
#include "Generators.h"

#include <QPainter>

#include <algorithm>

QImage makeContactSheet(const ArtWriter& out, int scale)
{
    const int sheetWidth = 1800;
    const int gap = 10;
    const int labelHeight = 14;
    // Lay out in rows first to know the height.
    struct Place {
        QPoint at;
        const ArtWriter::Picture* picture;
        int s;
    };
    std::vector<Place> places;
    int x = gap;
    int y = gap;
    int rowHeight = 0;
    for (const ArtWriter::Picture& picture : out.pictures()) {
        const int s = picture.image.width() > 300 ? 1 : scale;
        const QSize size = picture.image.size() * s;
        if (x + size.width() + gap > sheetWidth) {
            x = gap;
            y += rowHeight + labelHeight + gap;
            rowHeight = 0;
        }
        places.push_back({QPoint(x, y), &picture, s});
        x += std::max(size.width(), 60) + gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    QImage sheet(sheetWidth, y + rowHeight + labelHeight + gap, QImage::Format_RGB32);
    sheet.fill(QColor(180, 184, 196));
    QPainter p(&sheet);
    for (const Place& place : places) {
        const QImage& image = place.picture->image;
        const QRect target(place.at, image.size() * place.s);
        for (int cy = 0; cy < target.height(); cy += 8)
            for (int cx = 0; cx < target.width(); cx += 8)
                p.fillRect(QRect(target.left() + cx, target.top() + cy, 8, 8).intersected(target),
                           ((cx + cy) / 8) % 2 ? QColor(150, 150, 150) : QColor(110, 110, 110));
        p.drawImage(target, image);
        p.setPen(Qt::black);
        QFont font;
        font.setPixelSize(10);
        p.setFont(font);
        p.drawText(QPoint(target.left(), target.bottom() + 12), place.picture->path.section('/', 1));
    }
    p.end();
    return sheet;
}
