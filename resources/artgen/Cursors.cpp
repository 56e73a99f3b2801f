// SPDX-License-Identifier: GPL-3.0-or-later
// The pointers: a cartoon pointing hand over everything clickable, and the
// four tools over the canvas, each pointing down to the left with its tip on
// the hot spot. A light rim outside the dark outline keeps them visible on
// any colour, black included.
#include "ArtStyle.h"
#include "ArtWriter.h"
#include "Generators.h"
#include "ToolDrawings.h"
#include "platform/ResourceIds.h"

#include <QPainter>
#include <QPainterPath>

using namespace ArtStyle;

namespace {

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage straight(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

QPainterPath roundedBox(double x, double y, double w, double h, double r)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

// A white-gloved hand, index finger up; the fingertip is the hot spot.
QImage hand()
{
    QImage image = transparentImage(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QPainterPath finger = roundedBox(5.4, 0.7, 5.6, 17.0, 2.8);
    const QPainterPath knuckles[] = {roundedBox(10.6, 10.0, 5.0, 9.0, 2.5),
                                     roundedBox(15.2, 11.0, 4.8, 8.5, 2.4),
                                     roundedBox(19.4, 12.2, 4.6, 8.0, 2.3)};
    const QPainterPath palm = roundedBox(5.4, 14.0, 19.0, 12.5, 4.5);
    QPainterPath thumb;
    thumb.moveTo(6.5, 17.0);
    thumb.cubicTo(3.5, 15.0, 1.2, 15.8, 1.6, 18.0);
    thumb.cubicTo(2.0, 20.5, 5.0, 23.5, 7.5, 24.0);
    thumb.closeSubpath();
    const QPainterPath cuff = roundedBox(6.4, 25.0, 17.2, 5.5, 2.0);

    QPainterPath glove = finger.united(palm).united(thumb);
    for (const QPainterPath& k : knuckles)
        glove = glove.united(k);
    glove = glove.simplified();

    const QPainterPath whole = glove.united(cuff).simplified();
    p.strokePath(whole, QPen(QColor(255, 255, 255, 190), 3.6, Qt::SolidLine, Qt::RoundCap,
                             Qt::RoundJoin));
    p.fillPath(glove, QColor(255, 255, 255));
    // A little shading on the palm side.
    p.fillPath(roundedBox(17.0, 19.0, 6.5, 6.5, 3.0).intersected(glove), QColor(226, 230, 242));
    p.fillPath(cuff, kSky);
    // Short creases between the folded fingers.
    p.setPen(inkPen(1.0));
    p.drawLine(QPointF(15.3, 13.0), QPointF(15.3, 17.0));
    p.drawLine(QPointF(19.5, 14.2), QPointF(19.5, 18.0));
    p.strokePath(cuff, inkPen(1.3));
    p.strokePath(glove, inkPen(1.5));
    p.end();
    return straight(image);
}

QString cursorPath(int cursor)
{
    return QString("cursors/%1.png").arg(cursor);
}

// The tool's tip is drawn on the cursor's hot spot.
QImage toolCursor(int cursor, int width, int height, QPointF tail, double thickness,
                  void (*draw)(QPainter&, const ToolPose&, const QColor&), const QColor& colour)
{
    const CursorId::HotSpot hot = CursorId::hotSpot(cursor);
    QImage image = transparentImage(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    ToolPose pose;
    pose.tip = QPointF(hot.x + 0.5, hot.y + 0.5);
    pose.tail = tail;
    pose.width = thickness;
    pose.outline = 1.5;
    pose.halo = true;
    draw(p, pose, colour);
    p.end();
    return straight(image);
}

} // namespace

void makeCursors(ArtWriter& out)
{
    out.addImage(cursorPath(CursorId::Hand), hand());
    out.addImage(cursorPath(CursorId::Pencil),
                 toolCursor(CursorId::Pencil, 65, 56, {59.5, 6.5}, 11.0, drawPencil, QColor(50, 180, 60)));
    out.addImage(cursorPath(CursorId::Crayon),
                 toolCursor(CursorId::Crayon, 69, 58, {62.0, 8.0}, 14.0, drawCrayon, QColor(40, 110, 240)));
    out.addImage(cursorPath(CursorId::Paintbrush),
                 toolCursor(CursorId::Paintbrush, 67, 73, {61.0, 5.5}, 13.0, drawPaintbrush, QColor(250, 70, 150)));
    out.addImage(cursorPath(CursorId::Marker),
                 toolCursor(CursorId::Marker, 64, 87, {56.0, 7.5}, 15.0, drawMarker, QColor(30, 30, 36)));
}
