// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolDrawings.h"

#include "ArtStyle.h"

#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <vector>

using namespace ArtStyle;

namespace {

// One coloured piece of a tool in its own frame: x runs from the tip (0) to
// the tail (length), y across the body (0 on the axis).
struct Part {
    QPainterPath path;
    QColor colour;
    bool rounded = true; // shade across the body so it reads as a cylinder
};

struct ToolShape {
    std::vector<Part> parts;
    std::vector<QPainterPath> details; // thin ink lines drawn on top
};

QPainterPath box(double x0, double x1, double halfWidth, double corner = 0.0)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x0, -halfWidth, x1 - x0, 2 * halfWidth), corner, corner);
    return path;
}

QPainterPath trapezoid(double x0, double half0, double x1, double half1)
{
    QPainterPath path;
    path.moveTo(x0, -half0);
    path.lineTo(x1, -half1);
    path.lineTo(x1, half1);
    path.lineTo(x0, half0);
    path.closeSubpath();
    return path;
}

QPainterPath line(double x0, double y0, double x1, double y1)
{
    QPainterPath path;
    path.moveTo(x0, y0);
    path.lineTo(x1, y1);
    return path;
}

void paintShape(QPainter& painter, const ToolPose& pose, const ToolShape& shape)
{
    const QLineF axis(pose.tip, pose.tail);
    const double half = pose.width / 2.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(pose.tip);
    painter.rotate(-axis.angle());

    QPainterPath silhouette;
    for (const Part& part : shape.parts)
        silhouette = silhouette.united(part.path);
    silhouette = silhouette.simplified();
    if (pose.halo)
        painter.strokePath(silhouette, QPen(QColor(255, 255, 255, 200), pose.outline * 2.0 + 2.2,
                                            Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    for (const Part& part : shape.parts) {
        if (part.rounded) {
            QLinearGradient across(0, -half, 0, half);
            across.setColorAt(0.0, mix(part.colour, Qt::white, 0.45));
            across.setColorAt(0.35, part.colour);
            across.setColorAt(1.0, mix(part.colour, QColor(20, 10, 40), 0.35));
            painter.fillPath(part.path, across);
        } else {
            painter.fillPath(part.path, part.colour);
        }
    }
    const QPen detailPen = inkPen(std::max(0.8, pose.outline * 0.6));
    for (const Part& part : shape.parts)
        painter.strokePath(part.path, detailPen);
    for (const QPainterPath& detail : shape.details)
        painter.strokePath(detail, detailPen);
    painter.strokePath(silhouette, inkPen(pose.outline));
    painter.restore();
}

double lengthOf(const ToolPose& pose)
{
    return QLineF(pose.tip, pose.tail).length();
}

} // namespace

void drawCrayon(QPainter& painter, const ToolPose& pose, const QColor& colour)
{
    const double L = lengthOf(pose);
    const double h = pose.width / 2.0;
    ToolShape shape;
    // Worn, slightly rounded point, then the cone up to the body.
    QPainterPath point;
    point.moveTo(0.0, -h * 0.22);
    point.lineTo(L * 0.2, -h * 0.86);
    point.lineTo(L * 0.2, h * 0.86);
    point.lineTo(0.0, h * 0.22);
    point.quadTo(-h * 0.3, 0.0, 0.0, -h * 0.22);
    shape.parts.push_back({point, colour});
    shape.parts.push_back({box(L * 0.19, L * 0.33, h), colour});
    shape.parts.push_back({box(L * 0.33, L * 0.86, h), mix(colour, Qt::white, 0.55)});
    shape.parts.push_back({box(L * 0.86, L, h, h * 0.35), colour});
    // Wrapper stripes and a wavy label line.
    for (double x : {0.38, 0.42, 0.77, 0.81})
        shape.details.push_back(line(L * x, -h, L * x, h));
    QPainterPath wave;
    wave.moveTo(L * 0.47, 0.0);
    for (int i = 0; i < 4; ++i)
        wave.quadTo(L * (0.5 + i * 0.065), (i % 2 ? h : -h) * 0.45, L * (0.535 + i * 0.065), 0.0);
    shape.details.push_back(wave);
    paintShape(painter, pose, shape);
}

void drawPaintbrush(QPainter& painter, const ToolPose& pose, const QColor& paint)
{
    const double L = lengthOf(pose);
    const double h = pose.width / 2.0;
    ToolShape shape;
    // A plump teardrop of bristles dipped in paint.
    QPainterPath bristles;
    bristles.moveTo(0.0, 0.0);
    bristles.cubicTo(L * 0.06, -h * 0.5, L * 0.12, -h * 1.25, L * 0.3, -h * 0.85);
    bristles.lineTo(L * 0.3, h * 0.85);
    bristles.cubicTo(L * 0.12, h * 1.25, L * 0.06, h * 0.5, 0.0, 0.0);
    shape.parts.push_back({bristles, QColor(236, 196, 128)});
    QPainterPath dip;
    dip.moveTo(0.0, 0.0);
    dip.cubicTo(L * 0.05, -h * 0.5, L * 0.09, -h * 1.05, L * 0.16, -h * 1.02);
    dip.cubicTo(L * 0.19, -h * 0.4, L * 0.13, h * 0.5, L * 0.17, h * 1.0);
    dip.cubicTo(L * 0.09, h * 1.0, L * 0.05, h * 0.5, 0.0, 0.0);
    shape.parts.push_back({dip, paint});
    shape.parts.push_back({box(L * 0.29, L * 0.44, h * 0.8), QColor(200, 208, 222)});
    shape.details.push_back(line(L * 0.345, -h * 0.8, L * 0.345, h * 0.8));
    shape.details.push_back(line(L * 0.395, -h * 0.8, L * 0.395, h * 0.8));
    // Handle: narrow waist after the ferrule, fat round end.
    QPainterPath handle;
    handle.moveTo(L * 0.44, -h * 0.62);
    handle.cubicTo(L * 0.6, -h * 0.42, L * 0.8, -h * 0.7, L * 0.93, -h * 0.72);
    handle.quadTo(L * 1.0, -h * 0.72, L * 1.0, 0.0);
    handle.quadTo(L * 1.0, h * 0.72, L * 0.93, h * 0.72);
    handle.cubicTo(L * 0.8, h * 0.7, L * 0.6, h * 0.42, L * 0.44, h * 0.62);
    handle.closeSubpath();
    shape.parts.push_back({handle, QColor(230, 70, 80)});
    paintShape(painter, pose, shape);
}

void drawPencil(QPainter& painter, const ToolPose& pose, const QColor& colour)
{
    const double L = lengthOf(pose);
    const double h = pose.width / 2.0;
    ToolShape shape;
    shape.parts.push_back({trapezoid(L * 0.095, h * 0.36, L * 0.24, h), QColor(248, 210, 160), false});
    QPainterPath lead;
    lead.moveTo(-h * 0.15, 0.0);
    lead.lineTo(L * 0.1, -h * 0.4);
    lead.lineTo(L * 0.1, h * 0.4);
    lead.closeSubpath();
    shape.parts.push_back({lead, colour, false});
    shape.parts.push_back({box(L * 0.235, L * 0.84, h), colour});
    shape.parts.push_back({box(L * 0.84, L * 0.92, h * 1.02), QColor(205, 210, 222)});
    shape.parts.push_back({box(L * 0.915, L, h * 0.96, h * 0.5), QColor(255, 150, 170)});
    // Facet lines of the hexagonal body and the wood's scalloped edge.
    shape.details.push_back(line(L * 0.24, -h * 0.33, L * 0.84, -h * 0.33));
    shape.details.push_back(line(L * 0.24, h * 0.33, L * 0.84, h * 0.33));
    shape.details.push_back(line(L * 0.88, -h, L * 0.88, h));
    paintShape(painter, pose, shape);
}

void drawMarker(QPainter& painter, const ToolPose& pose, const QColor& ink)
{
    const double L = lengthOf(pose);
    const double h = pose.width / 2.0;
    ToolShape shape;
    QPainterPath nib;
    nib.moveTo(-h * 0.1, -h * 0.2);
    nib.quadTo(-h * 0.3, 0.0, -h * 0.1, h * 0.2);
    nib.lineTo(L * 0.1, h * 0.36);
    nib.lineTo(L * 0.1, -h * 0.36);
    nib.closeSubpath();
    shape.parts.push_back({nib, ink});
    shape.parts.push_back({trapezoid(L * 0.09, h * 0.42, L * 0.2, h * 0.9), QColor(236, 236, 242)});
    shape.parts.push_back({box(L * 0.19, L * 0.98, h, h * 0.45), mix(ink, QColor(90, 90, 110), 0.35)});
    shape.parts.push_back({box(L * 0.36, L * 0.78, h * 0.72, h * 0.2), QColor(250, 250, 252)});
    shape.parts.push_back({box(L * 0.45, L * 0.69, h * 0.42, h * 0.2), ink});
    shape.parts.push_back({box(L * 0.86, L * 0.9, h * 1.02), mix(ink, QColor(90, 90, 110), 0.2)});
    paintShape(painter, pose, shape);
}
