// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArtStyle.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ArtStyle {

QColor mix(const QColor& a, const QColor& b, double t)
{
    const double s = 1.0 - t;
    return QColor::fromRgbF(float(a.redF() * s + b.redF() * t), float(a.greenF() * s + b.greenF() * t),
                            float(a.blueF() * s + b.blueF() * t), float(a.alphaF() * s + b.alphaF() * t));
}

QColor shade(const QColor& base, Look look)
{
    switch (look) {
    case Look::Down:
        return mix(base, QColor(20, 10, 40), 0.18);
    case Look::Pressed:
        return mix(base, QColor(255, 255, 235), 0.18);
    case Look::Up:
        break;
    }
    return base;
}

QFont labelFont(double pixelSize, bool bold)
{
    QFont font(kFontFamily);
    font.setPixelSize(int(std::lround(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QImage blankButton(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(kPaper);
    return image;
}

QImage opaque(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QRectF tileRect(QSizeF size, Look look, double margin)
{
    QRectF rect(margin - 1.0, margin - 1.5, size.width() - 2 * margin + 1.0,
                size.height() - 2 * margin + 0.5);
    if (look == Look::Down)
        rect.translate(1.0, 1.5);
    return rect;
}

namespace {

// Blurs an alpha plane in place: two box-blur passes each way approximate
// a gaussian.
void blurPlane(std::vector<int>& plane, int w, int h, int radius)
{
    std::vector<int> line(size_t(std::max(w, h)));
    auto pass = [&](int count, int length, auto at) {
        for (int i = 0; i < count; ++i) {
            for (int k = 0; k < length; ++k)
                line[size_t(k)] = plane[at(i, k)];
            for (int k = 0; k < length; ++k) {
                int sum = 0;
                for (int d = -radius; d <= radius; ++d)
                    sum += line[size_t(std::clamp(k + d, 0, length - 1))];
                plane[at(i, k)] = sum / (2 * radius + 1);
            }
        }
    };
    for (int repeat = 0; repeat < 2; ++repeat) {
        pass(h, w, [w](int y, int x) { return size_t(y * w + x); });
        pass(w, h, [w](int x, int y) { return size_t(y * w + x); });
    }
}

} // namespace

void paintShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, double blur,
                 double opacity)
{
    const int pad = int(std::ceil(blur)) * 2 + 2;
    const QRect box = shape.boundingRect().toAlignedRect().adjusted(-pad, -pad, pad, pad);
    QImage mask(box.size(), QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-box.topLeft());
        p.fillPath(shape, Qt::black);
    }
    const int w = mask.width();
    const int h = mask.height();
    std::vector<int> plane(size_t(w * h));
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < w; ++x)
            plane[size_t(y * w + x)] = qAlpha(row[x]);
    }
    blurPlane(plane, w, h, std::max(1, int(std::lround(blur))));
    QImage tinted(mask.size(), QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = qRgba(kShadow.red(), kShadow.green(), kShadow.blue(), plane[size_t(y * w + x)]);
    }
    painter.save();
    painter.setOpacity(opacity);
    painter.drawImage(box.topLeft() + offset, tinted);
    painter.restore();
}

void paintGlow(QPainter& painter, const QPainterPath& shape, const QColor& colour, double spread)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int steps = 6;
    for (int i = steps; i >= 1; --i) {
        QColor c = colour;
        c.setAlphaF(float(0.10 + 0.06 * (steps - i)));
        QPen pen(c, spread * 2.0 * i / steps, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.strokePath(shape, pen);
    }
    painter.restore();
}

void paintTile(QPainter& painter, const QRectF& rect, const QColor& base, Look look,
               double radius, double outline)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(rect, radius, radius);
    if (look == Look::Pressed)
        paintGlow(painter, tile, kSunshine, 4.0);
    const bool down = look == Look::Down;
    paintShadow(painter, tile, down ? QPointF(0.5, 1.0) : QPointF(1.0, 2.5), down ? 1.0 : 2.0,
                down ? 0.30 : 0.40);

    const QColor body = shade(base, look);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0.0, mix(body, Qt::white, down ? 0.10 : 0.38));
    fill.setColorAt(0.55, body);
    fill.setColorAt(1.0, mix(body, QColor(30, 10, 60), 0.16));
    painter.fillPath(tile, fill);

    // Glossy band across the top, like a boiled sweet.
    const QRectF glossRect = rect.adjusted(outline + 2.0, outline + 1.5, -(outline + 2.0),
                                           -rect.height() * 0.52);
    QPainterPath gloss;
    gloss.addRoundedRect(glossRect, radius * 0.7, radius * 0.7);
    QLinearGradient shine(glossRect.topLeft(), glossRect.bottomLeft());
    shine.setColorAt(0.0, QColor(255, 255, 255, down ? 70 : 150));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillPath(gloss, shine);

    painter.strokePath(tile, inkPen(outline));
    painter.restore();
}

void paintLabel(QPainter& painter, const QRectF& rect, const QString& text, double pixelSize,
                const QColor& fill, const QColor& outline, double outlineWidth)
{
    QFont font = labelFont(pixelSize);
    double width = QFontMetricsF(font).horizontalAdvance(text);
    // A longer word of another language is set smaller rather than cut.
    const double room = rect.width() - 2.0 * outlineWidth - 2.0;
    if (width > room && width > 0.0) {
        font = labelFont(pixelSize * room / width);
        width = QFontMetricsF(font).horizontalAdvance(text);
    }
    const QFontMetricsF metrics(font);
    const QPointF baseline(rect.center().x() - width / 2.0,
                           rect.center().y() + (metrics.ascent() - metrics.descent()) / 2.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (outlineWidth > 0.0) {
        QPainterPath path;
        path.addText(baseline, font, text);
        painter.strokePath(path, QPen(outline, outlineWidth * 2.0, Qt::SolidLine, Qt::RoundCap,
                                      Qt::RoundJoin));
        painter.fillPath(path, fill);
    } else {
        painter.setFont(font);
        painter.setPen(fill);
        painter.drawText(baseline, text);
    }
    painter.restore();
}

void paintSparkle(QPainter& painter, QPointF c, double size, const QColor& colour)
{
    const double s = size;
    const double n = size * 0.22;
    QPainterPath star;
    star.moveTo(c.x(), c.y() - s);
    star.quadTo(c.x() + n * 0.3, c.y() - n * 0.3, c.x() + s, c.y());
    star.quadTo(c.x() + n * 0.3, c.y() + n * 0.3, c.x(), c.y() + s);
    star.quadTo(c.x() - n * 0.3, c.y() + n * 0.3, c.x() - s, c.y());
    star.quadTo(c.x() - n * 0.3, c.y() - n * 0.3, c.x(), c.y() - s);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(star, colour);
    painter.restore();
}

QPen inkPen(double width, const QColor& colour)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace ArtStyle
