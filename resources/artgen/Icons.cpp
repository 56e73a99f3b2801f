// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon for menus, docks and file managers: a sky-blue tile with
// a rainbow, a soap bubble and a crayon colouring a scribble, in the look of
// the buttons. One drawing, written as a scalable SVG and as PNGs at the sizes
// icon themes ask for. Only vector shapes are used (no blurred shadows), so
// the SVG stays a true vector picture.
#include "ArtStyle.h"
#include "ArtWriter.h"
#include "Generators.h"
#include "ToolDrawings.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>

using namespace ArtStyle;

namespace {

// The drawing is designed on this square; every output scales it.
constexpr double kDesign = 256.0;

const QColor kBands[] = {QColor(240, 60, 80), QColor(255, 150, 30), QColor(250, 200, 30),
                         QColor(70, 190, 80), QColor(50, 150, 245)};

QPainterPath tileShape()
{
    QPainterPath tile;
    tile.addRoundedRect(QRectF(14, 12, 228, 228), 50, 50);
    return tile;
}

void paintTileBody(QPainter& p, const QPainterPath& tile)
{
    // A hard, see-through shadow: a vector stand-in for the blurred ones.
    p.fillPath(tile.translated(0, 6), QColor(kShadow.red(), kShadow.green(), kShadow.blue(), 70));
    QLinearGradient sky(0, 12, 0, 240);
    sky.setColorAt(0.0, QColor(150, 208, 255));
    sky.setColorAt(0.6, QColor(222, 242, 255));
    sky.setColorAt(1.0, QColor(255, 249, 230));
    p.fillPath(tile, sky);
}

void paintRainbow(QPainter& p)
{
    const QPointF centre(128, 176);
    const double band = 13;
    for (int i = 0; i < 5; ++i) {
        const double r = 104 - band * i;
        const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        QPainterPath arc;
        arc.arcMoveTo(box, 180);
        arc.arcTo(box, 180, -180);
        p.strokePath(arc, QPen(kBands[i], band + 0.6, Qt::SolidLine, Qt::FlatCap));
    }
}

void paintBubble(QPainter& p, QPointF c, double r, const QColor& tint)
{
    QRadialGradient body(c, r);
    QColor inner = tint;
    inner.setAlpha(50);
    QColor outer = tint;
    outer.setAlpha(170);
    body.setColorAt(0.0, inner);
    body.setColorAt(0.75, inner);
    body.setColorAt(1.0, outer);
    p.setPen(QPen(mix(tint, kInk, 0.35), r * 0.08));
    p.setBrush(body);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(c + QPointF(-r * 0.4, -r * 0.42), r * 0.22, r * 0.14);
}

// The colour the crayon leaves: a fat zig-zag on the paper.
void paintScribble(QPainter& p)
{
    QPainterPath scribble;
    scribble.moveTo(40, 204);
    scribble.quadTo(58, 180, 70, 206);
    scribble.quadTo(84, 228, 98, 200);
    scribble.quadTo(108, 182, 120, 204);
    p.strokePath(scribble, QPen(kInk, 18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(scribble, QPen(kCandy, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void paintIcon(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath tile = tileShape();
    paintTileBody(p, tile);
    paintRainbow(p);
    paintBubble(p, QPointF(190, 60), 30, kGrape);
    paintBubble(p, QPointF(62, 62), 17, kSky);
    paintScribble(p);
    ToolPose crayon;
    crayon.tip = QPointF(118, 206);
    crayon.tail = QPointF(226, 98);
    crayon.width = 46;
    crayon.outline = 5;
    drawCrayon(p, crayon, kCandy);
    paintSparkle(p, QPointF(214, 172), 14, kSunshine);
    paintSparkle(p, QPointF(104, 36), 9, Qt::white);
    p.strokePath(tile, inkPen(7));
}

QImage iconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size / kDesign, size / kDesign);
    paintIcon(p);
    p.end();
    return image;
}

QByteArray iconSvg()
{
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(int(kDesign), int(kDesign)));
    svg.setViewBox(QRectF(0, 0, kDesign, kDesign));
    svg.setTitle(QStringLiteral("The Tintaloo"));
    svg.setDescription(QStringLiteral("A crayon colouring under a rainbow"));
    QPainter p(&svg);
    paintIcon(p);
    p.end();
    return buffer.data();
}

} // namespace

void makeIcons(ArtWriter& out)
{
    out.addFile("icons/tintaloo.svg", iconSvg());
    for (int size : {48, 64, 128, 256})
        out.addImage(QStringLiteral("icons/tintaloo-%1.png").arg(size), iconImage(size));
}
