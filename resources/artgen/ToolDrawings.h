// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPointF>

class QPainter;

// The four magic tools, drawn as round cartoon objects along the line from
// their tip to their tail. The same drawings make the tool buttons, the canvas
// cursors and the tools scattered over the splash picture, so the child meets
// one crayon, one paintbrush, one pencil and one marker everywhere.
struct ToolPose {
    QPointF tip;   // the point that paints (the cursor's hot spot)
    QPointF tail;  // the far end
    double width;  // thickness of the body
    double outline = 1.6;
    bool halo = false; // a light rim outside the outline, to show on dark paint
};

void drawCrayon(QPainter& painter, const ToolPose& pose, const QColor& colour);
void drawPaintbrush(QPainter& painter, const ToolPose& pose, const QColor& paint);
void drawPencil(QPainter& painter, const ToolPose& pose, const QColor& colour);
void drawMarker(QPainter& painter, const ToolPose& pose, const QColor& ink);
