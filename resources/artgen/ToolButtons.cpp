// SPDX-License-Identifier: GPL-3.0-or-later
// The four tool buttons: each shows its tool, lying across a pale tile and
// pointing down to the left like the canvas cursor. The selected tool's
// button lights up yellow with a glow and twinkles.
#include "ArtStyle.h"
#include "ArtWriter.h"
#include "Generators.h"
#include "ToolDrawings.h"
#include "platform/ResourceIds.h"

#include <QPainter>

using namespace ArtStyle;

namespace {

enum class Tool { Crayon, Paintbrush, Pencil, Marker };

QImage toolButton(int width, Tool tool, Look look)
{
    const int height = 92;
    QImage image = blankButton(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile = tileRect(QSizeF(width, height), look);
    paintTile(painter, tile, look == Look::Pressed ? kSunshine : kPaleSky, look, 16.0);

    if (look == Look::Pressed) {
        paintSparkle(painter, tile.topLeft() + QPointF(13, 14), 6.0, Qt::white);
        paintSparkle(painter, tile.bottomRight() + QPointF(-13, -14), 5.0, Qt::white);
        paintSparkle(painter, tile.topLeft() + QPointF(24, 26), 3.0, Qt::white);
    }
    const double inset = 13.0;
    ToolPose pose;
    pose.tip = tile.bottomLeft() + QPointF(inset, -inset);
    pose.tail = tile.topRight() + QPointF(-inset + 2, inset - 2);
    pose.outline = 2.0;
    switch (tool) {
    case Tool::Crayon:
        pose.width = 20.0;
        drawCrayon(painter, pose, QColor(40, 110, 240));
        break;
    case Tool::Paintbrush:
        pose.width = 18.0;
        drawPaintbrush(painter, pose, QColor(250, 70, 150));
        break;
    case Tool::Pencil:
        pose.width = 15.0;
        drawPencil(painter, pose, QColor(60, 185, 70));
        break;
    case Tool::Marker:
        pose.width = 21.0;
        drawMarker(painter, pose, QColor(30, 30, 36));
        break;
    }
    painter.end();
    return opaque(image);
}

} // namespace

void makeToolButtons(ArtWriter& out)
{
    struct Design {
        Tool tool;
        int up, down, pressed;
        int width;
    };
    const Design designs[] = {
        {Tool::Crayon, BitmapId::CrayonUp, BitmapId::CrayonDown, BitmapId::CrayonPressed, 95},
        {Tool::Paintbrush, BitmapId::PaintbrushUp, BitmapId::PaintbrushDown, BitmapId::PaintbrushPressed, 86},
        {Tool::Pencil, BitmapId::PencilUp, BitmapId::PencilDown, BitmapId::PencilPressed, 77},
        {Tool::Marker, BitmapId::MarkerUp, BitmapId::MarkerDown, BitmapId::MarkerPressed, 99},
    };
    for (const Design& s : designs) {
        out.addImage(QString("bitmaps/%1.png").arg(s.up), toolButton(s.width, s.tool, Look::Up));
        out.addImage(QString("bitmaps/%1.png").arg(s.down), toolButton(s.width, s.tool, Look::Down));
        out.addImage(QString("bitmaps/%1.png").arg(s.pressed),
                     toolButton(s.width, s.tool, Look::Pressed));
    }
}
