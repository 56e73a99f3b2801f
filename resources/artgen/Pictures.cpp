// SPDX-License-Identifier: GPL-3.0-or-later
// The splash picture (the title among bubbles and crayons) and the
// first-run welcome banner, in the look of the buttons: candy colours,
// plum outlines, a pale sky.
#include "ArtStyle.h"
#include "ArtWords.h"
#include "ArtWriter.h"
#include "Generators.h"
#include "ToolDrawings.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <random>

using namespace ArtStyle;

namespace {

const QColor kLetterColours[] = {QColor(240, 60, 80),  QColor(255, 150, 30), QColor(250, 200, 30),
                                 QColor(70, 190, 80),  QColor(50, 150, 245), QColor(150, 100, 235),
                                 QColor(255, 100, 170)};

void paintSky(QPainter& p, const QRectF& area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(214, 240, 255));
    sky.setColorAt(0.65, QColor(246, 251, 255));
    sky.setColorAt(1.0, QColor(255, 247, 225));
    p.fillRect(area, sky);
}

// A see-through soap bubble with a rim and a shine.
void paintSoapBubble(QPainter& p, QPointF c, double r, const QColor& tint)
{
    QRadialGradient body(c, r);
    QColor inner = tint;
    inner.setAlpha(40);
    QColor outer = tint;
    outer.setAlpha(150);
    body.setColorAt(0.0, inner);
    body.setColorAt(0.8, inner);
    body.setColorAt(1.0, outer);
    p.setPen(QPen(mix(tint, kInk, 0.3), std::max(1.0, r * 0.06)));
    p.setBrush(body);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.save();
    p.translate(c + QPointF(-r * 0.42, -r * 0.45));
    p.rotate(-35);
    p.drawEllipse(QPointF(0, 0), r * 0.24, r * 0.13);
    p.restore();
}

void paintBubbles(QPainter& p, const QRectF& area, int count, double minR, double maxR, uint32_t seed)
{
    std::mt19937 engine(seed);
    auto unit = [&engine] { return (engine() >> 8) / double(1u << 24); };
    for (int i = 0; i < count; ++i) {
        const QPointF c(area.left() + unit() * area.width(), area.top() + unit() * area.height());
        const double r = minR + unit() * (maxR - minR);
        paintSoapBubble(p, c, r, kLetterColours[i % 7]);
    }
}

// Bouncy multicoloured letters with a white border, a plum outline and a shadow.
// The title's size: as asked, or smaller where a longer word would not fit
// the width.
double titleSize(const QString& text, double size, double width)
{
    const double natural = QFontMetricsF(labelFont(size)).horizontalAdvance(text);
    return natural <= width ? size : size * width / natural;
}

void paintTitle(QPainter& p, const QString& text, QPointF centre, double size, double bounce,
                int firstColour)
{
    const QFont font = labelFont(size);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    double x = centre.x() - width / 2;
    const double baseline = centre.y() + metrics.capHeight() / 2;
    int colour = firstColour;
    for (int i = 0; i < text.size(); ++i) {
        const QString letter = text.mid(i, 1);
        const double advance = metrics.horizontalAdvance(letter);
        if (letter.trimmed().isEmpty()) {
            x += advance;
            continue;
        }
        QPainterPath glyph;
        glyph.addText(0, 0, font, letter);
        const QPointF mid(advance / 2, -metrics.capHeight() / 2);
        QTransform placement;
        placement.translate(x, baseline + std::sin(i * 1.3) * bounce);
        placement.translate(mid.x(), mid.y());
        placement.rotate((i % 2 ? 1 : -1) * 5.0);
        placement.translate(-mid.x(), -mid.y());
        const QPainterPath placed = placement.map(glyph);
        const QPen round(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        auto stroke = [&](const QBrush& brush, double width) {
            QPen pen = round;
            pen.setBrush(brush);
            pen.setWidthF(width);
            p.strokePath(placed, pen);
        };
        paintShadow(p, placed, QPointF(2.0, 3.5), 2.5, 0.35);
        stroke(kInk, size * 0.2);
        stroke(Qt::white, size * 0.14);
        const QColor c = kLetterColours[colour++ % 7];
        QLinearGradient fill(placed.boundingRect().topLeft(), placed.boundingRect().bottomLeft());
        fill.setColorAt(0.0, mix(c, Qt::white, 0.4));
        fill.setColorAt(1.0, c);
        // Fatten the strokes of the letters a little: chubby and friendly.
        stroke(fill, size * 0.05);
        p.fillPath(placed, fill);
        x += advance;
    }
}

// A pale rainbow arc behind the title.
void paintRainbow(QPainter& p, QPointF centre, double outer, double band)
{
    p.save();
    p.setOpacity(0.35);
    for (int i = 0; i < 6; ++i) {
        const double r = outer - band * i - band / 2;
        QPainterPath arc;
        const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        arc.arcMoveTo(box, 180);
        arc.arcTo(box, 180, -180);
        p.strokePath(arc, QPen(kLetterColours[i], band + 0.5, Qt::SolidLine, Qt::FlatCap));
    }
    p.restore();
}

// A fluffy cloud: overlapping puffs, white with a soft blue outline.
void paintCloud(QPainter& p, QPointF c, double size)
{
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    const QPointF puffs[] = {{-1.0, 0.15}, {-0.45, -0.3}, {0.2, -0.45}, {0.8, -0.1}, {1.1, 0.25}, {0.0, 0.25}};
    const double radii[] = {0.45, 0.55, 0.65, 0.5, 0.35, 0.5};
    for (int i = 0; i < 6; ++i)
        cloud.addEllipse(c + puffs[i] * size, radii[i] * size, radii[i] * size);
    cloud = cloud.simplified();
    paintShadow(p, cloud, QPointF(1.0, 2.0), 2.0, 0.18);
    p.fillPath(cloud, Qt::white);
    p.strokePath(cloud, QPen(QColor(160, 190, 225), 1.6));
}

void paintCrayonFan(QPainter& p, QPointF base, double length, double width, double startAngle,
                    double step, int firstColour, int count)
{
    for (int i = 0; i < count; ++i) {
        const double a = (startAngle + step * i) * M_PI / 180.0;
        ToolPose pose;
        pose.tail = base;
        pose.tip = base + QPointF(std::cos(a), -std::sin(a)) * length;
        pose.width = width;
        pose.outline = 1.8;
        drawCrayon(p, pose, kLetterColours[(firstColour + i) % 7]);
    }
}

QImage splash()
{
    QImage image(480, 300, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintSky(p, image.rect());
    paintBubbles(p, QRectF(0, 0, 480, 230), 16, 6, 22, 7001);

    paintRainbow(p, QPointF(240, 196), 150, 11);
    paintCloud(p, QPointF(94, 192), 22);
    paintCloud(p, QPointF(388, 190), 21);
    // Crayons fanned out from both lower corners, with a pencil and a brush.
    ToolPose pencil{QPointF(104, 226), QPointF(-10, 310), 13, 1.8};
    drawPencil(p, pencil, QColor(70, 190, 80));
    ToolPose brush{QPointF(378, 224), QPointF(492, 306), 16, 1.8};
    drawPaintbrush(p, brush, QColor(250, 70, 150));
    paintCrayonFan(p, QPointF(-10, 318), 118, 18, 30, 12, 0, 4);
    paintCrayonFan(p, QPointF(490, 318), 118, 18, 114, 12, 3, 4);

    paintTitle(p, "The", QPointF(240, 62), 40, 2.0, 4);
    paintTitle(p, "Tintaloo", QPointF(240, 140), 84, 5.0, 0);
    paintSparkle(p, QPointF(62, 112), 9, kSunshine);
    paintSparkle(p, QPointF(420, 96), 11, kSunshine);
    paintSparkle(p, QPointF(396, 180), 6, kCandy);
    paintSparkle(p, QPointF(86, 186), 7, kSky);
    p.end();
    return image;
}

QImage banner(const QString& title)
{
    QImage image(420, 110, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintSky(p, image.rect());
    paintBubbles(p, QRectF(0, 0, 420, 110), 11, 5, 15, 7002);
    paintCrayonFan(p, QPointF(-8, 130), 80, 14, 42, 14, 1, 3);
    paintCrayonFan(p, QPointF(428, 130), 80, 14, 110, 14, 4, 3);
    paintTitle(p, title, QPointF(210, 54), titleSize(title, 56, 400), 3.5, 2);
    paintSparkle(p, QPointF(78, 30), 7, kSunshine);
    paintSparkle(p, QPointF(350, 26), 8, kSunshine);
    p.end();
    return image;
}

} // namespace

void makePictures(ArtWriter& out, const ArtWords& words)
{
    out.addImage("pictures/splash.jpg", splash(), "JPG", 92);
    out.addImage("pictures/banner.jpg", banner(words.word(QString(), ArtText::Welcome)), "JPG", 92);
    for (const QString& code : words.languages())
        out.addImage(ArtWords::folder(QStringLiteral("pictures"), code) + QStringLiteral("banner.jpg"),
                     banner(words.word(code, ArtText::Welcome)), "JPG", 92);
}
