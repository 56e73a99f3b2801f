// SPDX-License-Identifier: GPL-3.0-or-later
// The five small grown-up buttons at the top-left corner: quit, save as,
// print, about/help and settings. Quiet slate colours, plain symbols, so they
// do not tempt a child; save and print also have a faded disabled look.
#include "ArtStyle.h"
#include "ArtWriter.h"
#include "Generators.h"
#include "platform/ResourceIds.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

using namespace ArtStyle;

namespace {

constexpr int kSize = 24;

using Symbol = void (*)(QPainter&, const QColor& ink, bool enabled);

void paintPower(QPainter& p, const QColor& ink, bool)
{
    const QPen pen(ink, 2.2, Qt::SolidLine, Qt::RoundCap);
    QPainterPath ring;
    // Open at the top, where the stroke goes in.
    ring.arcMoveTo(QRectF(6.5, 7.0, 11, 11), 125);
    ring.arcTo(QRectF(6.5, 7.0, 11, 11), 125, 290);
    p.strokePath(ring, pen);
    p.setPen(pen);
    p.drawLine(QPointF(12.0, 5.5), QPointF(12.0, 11.5));
}

void paintDisk(QPainter& p, const QColor& ink, bool)
{
    QPainterPath disk;
    disk.moveTo(6, 6);
    disk.lineTo(15.5, 6);
    disk.lineTo(18, 8.5);
    disk.lineTo(18, 18);
    disk.lineTo(6, 18);
    disk.closeSubpath();
    p.fillPath(disk, ink);
    p.fillRect(QRectF(8.5, 6, 6, 4), mix(ink, Qt::white, 0.8));
    p.fillRect(QRectF(8, 12.5, 8, 5.5), Qt::white);
    p.setPen(QPen(mix(ink, Qt::white, 0.4), 1.0));
    p.drawLine(QPointF(9.5, 14.5), QPointF(14.5, 14.5));
}

void paintPrinter(QPainter& p, const QColor& ink, bool enabled)
{
    p.fillRect(QRectF(8.5, 5.5, 7, 5), Qt::white);
    p.setPen(QPen(ink, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(8.5, 5.5, 7, 5));
    QPainterPath body;
    body.addRoundedRect(QRectF(5, 9.5, 14, 7.5), 2, 2);
    p.fillPath(body, ink);
    p.fillRect(QRectF(8.5, 14.5, 7, 5), Qt::white);
    p.drawRect(QRectF(8.5, 14.5, 7, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(enabled ? QColor(100, 220, 120) : mix(ink, Qt::white, 0.3));
    p.drawEllipse(QPointF(16.5, 12), 1.1, 1.1);
}

void paintQuestion(QPainter& p, const QColor& ink, bool)
{
    paintLabel(p, QRectF(0, 0, kSize, kSize - 1), "?", 18.0, ink, ink, 0.5);
}

void paintGear(QPainter& p, const QColor& ink, bool)
{
    const QPointF c(12, 12);
    QPainterPath gear;
    const int teeth = 8;
    // Alternate tooth tops and gaps, each a short arc of the outer or inner circle.
    for (int i = 0; i < teeth * 2; ++i) {
        const double r = i % 2 == 0 ? 7.6 : 5.6;
        for (int k = 0; k <= 2; ++k) {
            const double a = (i + k * 0.5) * M_PI / teeth;
            const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * r;
            if (i == 0 && k == 0)
                gear.moveTo(pt);
            else
                gear.lineTo(pt);
        }
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 2.4, 2.4);
    p.fillPath(gear.subtracted(hole), ink);
}

QImage parentalButton(Symbol symbol, bool enabled)
{
    QImage image = blankButton(kSize, kSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor tile = enabled ? kQuiet : mix(kQuiet, Qt::white, 0.55);
    const QColor ink = enabled ? kQuietInk : mix(kQuietInk, Qt::white, 0.6);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(1.0, 1.0, kSize - 2.5, kSize - 2.5), 6, 6);
    QLinearGradient fill(0, 1, 0, kSize - 1);
    fill.setColorAt(0.0, mix(tile, Qt::white, 0.45));
    fill.setColorAt(1.0, tile);
    p.fillPath(shape, fill);
    p.strokePath(shape, QPen(mix(ink, Qt::white, 0.25), 1.2));
    symbol(p, ink, enabled);
    p.end();
    return opaque(image);
}

} // namespace

void makeParentalButtons(ArtWriter& out)
{
    const auto add = [&out](int number, const QImage& image) {
        out.addImage(QString("bitmaps/%1.png").arg(number), image);
    };
    add(BitmapId::Quit, parentalButton(paintPower, true));
    add(BitmapId::SaveAs, parentalButton(paintDisk, false));
    add(BitmapId::SaveAsEnabled, parentalButton(paintDisk, true));
    add(BitmapId::Print, parentalButton(paintPrinter, false));
    add(BitmapId::PrintEnabled, parentalButton(paintPrinter, true));
    add(BitmapId::AboutHelp, parentalButton(paintQuestion, true));
    add(BitmapId::Options, parentalButton(paintGear, true));
}
