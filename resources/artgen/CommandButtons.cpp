// SPDX-License-Identifier: GPL-3.0-or-later
// The four big command buttons of the bar: open a picture, clear all colours,
// undo, crazy colours. Each is a candy-coloured tile with a picture on it.
#include "ArtStyle.h"
#include "ArtWriter.h"
#include "Generators.h"
#include "platform/ResourceIds.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

using namespace ArtStyle;

namespace {

constexpr double kCorner = 16.0;
using IconPainter = std::function<void(QPainter&, const QRectF& tile, Look look)>;

QImage commandButton(int width, int height, const QColor& tileColour, Look look,
                     const IconPainter& icon)
{
    QImage image = blankButton(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile = tileRect(QSizeF(width, height), look);
    paintTile(painter, tile, tileColour, look, kCorner);
    icon(painter, tile, look);
    painter.end();
    return opaque(image);
}

// An open picture book with a sun and a flower on its pages.
void paintBook(QPainter& p, const QRectF& tile, Look)
{
    const QPointF c = tile.center() + QPointF(0, 2);
    const double w = std::min(tile.width() - 12.0, 58.0);
    const double h = w * 0.7;
    const QRectF book(c.x() - w / 2, c.y() - h / 2, w, h);
    QPainterPath cover;
    cover.addRoundedRect(book.adjusted(-3, 2, 3, 5), 5, 5);
    p.fillPath(cover, QColor(70, 120, 230));
    p.strokePath(cover, inkPen(2.0));
    for (int side = 0; side < 2; ++side) {
        const double x0 = side == 0 ? book.left() : c.x();
        const double x1 = side == 0 ? c.x() : book.right();
        QPainterPath page;
        page.moveTo(x0, book.top() + 3);
        page.quadTo((x0 + x1) / 2, book.top() - 3, x1, book.top() + 3);
        page.lineTo(x1, book.bottom());
        page.quadTo((x0 + x1) / 2, book.bottom() - 5, x0, book.bottom());
        page.closeSubpath();
        p.fillPath(page, QColor(255, 253, 245));
        p.strokePath(page, inkPen(1.8));
    }
    // Left page: a sun.
    const QPointF sun(c.x() - w * 0.25, c.y() - 1);
    p.setPen(inkPen(1.6, kOrange));
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.drawLine(sun + QPointF(std::cos(a), std::sin(a)) * 6.5,
                   sun + QPointF(std::cos(a), std::sin(a)) * 9.5);
    }
    p.setPen(inkPen(1.2));
    p.setBrush(kSunshine);
    p.drawEllipse(sun, 5.0, 5.0);
    // Right page: a flower.
    const QPointF flower(c.x() + w * 0.25, c.y() - 3);
    p.setPen(inkPen(1.6, kLeaf));
    p.drawLine(flower, flower + QPointF(0, 13));
    p.setPen(inkPen(1.0));
    p.setBrush(kCandy);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5 - M_PI / 2;
        p.drawEllipse(flower + QPointF(std::cos(a), std::sin(a)) * 4.2, 3.2, 3.2);
    }
    p.setBrush(kSunshine);
    p.drawEllipse(flower, 2.6, 2.6);
}

// A page with colourful scribbles and a rubber wiping them away.
void paintEraser(QPainter& p, const QRectF& tile, Look)
{
    const QPointF c = tile.center();
    const QRectF page(c.x() - 34, c.y() - 26, 46, 54);
    QPainterPath sheet;
    sheet.addRoundedRect(page, 4, 4);
    p.fillPath(sheet, Qt::white);
    p.strokePath(sheet, inkPen(2.0));
    const QColor scribbles[] = {QColor(240, 60, 60), QColor(60, 130, 240), QColor(70, 190, 70)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath s;
        const double y = page.top() + 12 + i * 13;
        s.moveTo(page.left() + 6, y);
        s.cubicTo(page.left() + 14, y - 8, page.left() + 20, y + 8, page.left() + 28, y - 2);
        p.strokePath(s, QPen(scribbles[i], 4.0, Qt::SolidLine, Qt::RoundCap));
    }
    // Sparkles where the page is already clean.
    paintSparkle(p, QPointF(page.left() + 34, page.top() + 40), 5.0, kSunshine);
    paintSparkle(p, QPointF(page.left() + 22, page.bottom() - 7), 3.5, kSky);

    p.save();
    p.translate(c.x() + 20, c.y() - 2);
    p.rotate(-35);
    const QRectF rubber(-11, -18, 22, 36);
    QPainterPath top;
    top.addRoundedRect(QRectF(rubber.left(), rubber.top(), rubber.width(), 22), 5, 5);
    QPainterPath bottom;
    bottom.addRoundedRect(QRectF(rubber.left(), rubber.top() + 18, rubber.width(), 18), 5, 5);
    p.fillPath(bottom, QColor(90, 160, 255));
    p.fillPath(top, QColor(255, 150, 180));
    p.strokePath(top, inkPen(1.4));
    QPainterPath whole;
    whole.addRoundedRect(rubber, 5, 5);
    p.strokePath(whole, inkPen(2.0));
    p.fillRect(QRectF(-7, -15, 4, 14), QColor(255, 255, 255, 140));
    p.restore();
}

// A fat curved arrow turning back to the left.
void paintUndoArrow(QPainter& p, const QRectF& tile, Look)
{
    const QPointF c = tile.center() + QPointF(2, 4);
    QPainterPath arrow;
    const double r0 = 9.0;
    const double r1 = 21.0;
    // The bend: a half ring on the right, open to the left.
    arrow.moveTo(c.x() - 12, c.y() - r1);
    arrow.lineTo(c.x(), c.y() - r1);
    arrow.arcTo(QRectF(c.x() - r1, c.y() - r1, 2 * r1, 2 * r1), 90, -180);
    arrow.lineTo(c.x() - 10, c.y() + r1);
    arrow.lineTo(c.x() - 10, c.y() + r0);
    arrow.lineTo(c.x(), c.y() + r0);
    arrow.arcTo(QRectF(c.x() - r0, c.y() - r0, 2 * r0, 2 * r0), -90, 180);
    arrow.lineTo(c.x() - 12, c.y() - r0);
    // The head, pointing left.
    arrow.lineTo(c.x() - 12, c.y() - r0 + 9);
    arrow.lineTo(c.x() - 32, c.y() - (r0 + r1) / 2);
    arrow.lineTo(c.x() - 12, c.y() - r1 - 9);
    arrow.closeSubpath();
    paintShadow(p, arrow, QPointF(1, 2), 1.5, 0.35);
    p.fillPath(arrow, Qt::white);
    p.strokePath(arrow, inkPen(2.4));
}

// A rainbow with coloured dots; latched, it shines with sparkles.
void paintCrazy(QPainter& p, const QRectF& tile, Look look)
{
    const QPointF c = tile.center() + QPointF(0, 10);
    const QColor bands[] = {QColor(240, 50, 70), QColor(255, 150, 30), QColor(255, 220, 40),
                            QColor(70, 200, 80), QColor(60, 140, 250), QColor(150, 90, 230)};
    const double outer = 33.0;
    const double band = 4.2;
    QPainterPath outline;
    outline.moveTo(c.x() - outer - 1.5, c.y());
    outline.arcTo(QRectF(c.x() - outer - 1.5, c.y() - outer - 1.5, 2 * (outer + 1.5), 2 * (outer + 1.5)),
                  180, -180);
    const double inner = outer - 6 * band - 1.5;
    outline.lineTo(c.x() + inner, c.y());
    outline.arcTo(QRectF(c.x() - inner, c.y() - inner, 2 * inner, 2 * inner), 0, 180);
    outline.closeSubpath();
    p.fillPath(outline, QColor(62, 44, 92));
    for (int i = 0; i < 6; ++i) {
        const double r = outer - band * i - band / 2;
        QPainterPath arc;
        arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 180);
        arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 180, -180);
        p.strokePath(arc, QPen(bands[i], band + 0.4, Qt::SolidLine, Qt::FlatCap));
    }
    // Polka dots of paint below the rainbow.
    const QPointF dots[] = {{-22, 14}, {-8, 18}, {7, 15}, {21, 18}};
    const QColor dotColours[] = {kCandy, kSky, kSunshine, kGrape};
    for (int i = 0; i < 4; ++i) {
        p.setPen(inkPen(1.4));
        p.setBrush(dotColours[i]);
        p.drawEllipse(c + dots[i], 4.8, 4.8);
    }
    if (look == Look::Pressed) {
        paintSparkle(p, c + QPointF(-30, -32), 6.0, Qt::white);
        paintSparkle(p, c + QPointF(31, -30), 5.0, Qt::white);
        paintSparkle(p, c + QPointF(0, -8), 4.0, Qt::white);
    }
}

} // namespace

void makeCommandButtons(ArtWriter& out)
{
    struct Design {
        int up, down, pressed;
        int width;
        QColor tile;
        IconPainter icon;
    };
    const Design designs[] = {
        {BitmapId::OpenUp, BitmapId::OpenDown, 0, 78, kOrange, paintBook},
        {BitmapId::ClearColoursUp, BitmapId::ClearColoursDown, 0, 106, kCandy, paintEraser},
        {BitmapId::UndoUp, BitmapId::UndoDown, 0, 89, kGrape, paintUndoArrow},
        {BitmapId::CrazyUp, BitmapId::CrazyDown, BitmapId::CrazyPressed, 102, kMint, paintCrazy},
    };
    for (const Design& s : designs) {
        out.addImage(QString("bitmaps/%1.png").arg(s.up), commandButton(s.width, 92, s.tile, Look::Up, s.icon));
        out.addImage(QString("bitmaps/%1.png").arg(s.down),
                     commandButton(s.width, 92, s.tile, Look::Down, s.icon));
        if (s.pressed)
            out.addImage(QString("bitmaps/%1.png").arg(s.pressed),
                         commandButton(s.width, 92, kSunshine, Look::Pressed, s.icon));
    }
}
