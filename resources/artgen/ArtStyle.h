// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// The shared look of every generated picture: one cheerful palette, thick
// dark-plum outlines, rounded tiles with soft shadows and a glossy top.
// Button images sit on white, the colour of the bar and of every small window,
// so that the pictures blend with them and the grey disabled copies stay clean.
namespace ArtStyle {

inline const QColor kPaper{255, 255, 255};
inline const QColor kInk{62, 44, 92};
inline const QColor kShadow{40, 30, 70};
inline const QColor kSunshine{255, 214, 64};
inline const QColor kOrange{255, 156, 48};
inline const QColor kCandy{255, 104, 150};
inline const QColor kGrape{150, 112, 245};
inline const QColor kMint{64, 204, 150};
inline const QColor kSky{96, 182, 255};
inline const QColor kPaleSky{214, 238, 255};
inline const QColor kLeaf{96, 200, 72};
inline const QColor kQuiet{196, 205, 220};
inline const QColor kQuietInk{78, 90, 112};

inline constexpr const char* kFontFamily = "Comic Neue";

// How a button image looks: resting, held down (pushed in), or latched on.
enum class Look { Up, Down, Pressed };

QColor mix(const QColor& a, const QColor& b, double t);
QColor shade(const QColor& base, Look look);

QFont labelFont(double pixelSize, bool bold = true);

// A white opaque image ready to paint a button on.
QImage blankButton(int width, int height);
// The painted image as the program stores it: opaque 24-bit RGB.
QImage opaque(const QImage& image);

// The rectangle of a tile inside an image of the given size: a margin for the
// shadow, and 1-2 pixels down-right when held down.
QRectF tileRect(QSizeF size, Look look, double margin = 4.0);

// Blurred drop shadow of a shape, painted at an offset.
void paintShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, double blur,
                 double opacity);
// A soft warm glow around a shape (for latched buttons).
void paintGlow(QPainter& painter, const QPainterPath& shape, const QColor& colour, double spread);
// A rounded tile: shadow, gradient body, glossy top band and outline.
void paintTile(QPainter& painter, const QRectF& rect, const QColor& base, Look look,
               double radius, double outline = 2.5);
// Centred text with a thin outline, in the label font.
void paintLabel(QPainter& painter, const QRectF& rect, const QString& text, double pixelSize,
                const QColor& fill, const QColor& outline, double outlineWidth = 0.0);
// A little four-pointed twinkle.
void paintSparkle(QPainter& painter, QPointF centre, double size, const QColor& colour);

QPen inkPen(double width, const QColor& colour = kInk);

} // namespace ArtStyle
