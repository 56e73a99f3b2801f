// SPDX-License-Identifier: GPL-3.0-or-later
// Buttons of the small white windows: the prompt's "nevermind", "OK" and
// details tab, and the picture browser's scroll arrows, slider ball, new
// picture and more pictures. The ones with words are drawn in every
// language too, under bitmaps/<code>/.
#include "ArtStyle.h"
#include "ArtWords.h"
#include "ArtWriter.h"
#include "Generators.h"
#include "platform/ResourceIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>

using namespace ArtStyle;

namespace {

using Decoration = std::function<void(QPainter&, const QRectF& tile, Look look)>;

QImage tileButton(int width, int height, const QColor& colour, Look look, double corner,
                  double margin, const Decoration& decorate)
{
    QImage image = blankButton(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile = tileRect(QSizeF(width, height), look, margin);
    paintTile(painter, tile, colour, look, corner, 2.0);
    decorate(painter, tile, look);
    painter.end();
    return opaque(image);
}

Decoration label(const QString& text, double size, const QColor& fill, QPointF nudge = {})
{
    return [=](QPainter& p, const QRectF& tile, Look) {
        paintLabel(p, tile.translated(nudge), text, size, fill, kInk, 1.4);
    };
}

// A chevron pointing down (open == false) or up (open == true).
void paintChevron(QPainter& p, QPointF c, double size, bool up, const QColor& colour)
{
    QPainterPath v;
    const double s = up ? -1.0 : 1.0;
    v.moveTo(c.x() - size, c.y() - s * size * 0.5);
    v.lineTo(c.x(), c.y() + s * size * 0.5);
    v.lineTo(c.x() + size, c.y() - s * size * 0.5);
    p.strokePath(v, QPen(kInk, 4.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(v, QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

Decoration detailsTab(const QString& word)
{
    return [=](QPainter& p, const QRectF& tile, Look look) {
        const bool open = look == Look::Pressed;
        paintLabel(p, QRectF(tile.left() + 2, tile.top(), tile.width() - 20, tile.height()), word, 14.0, kInk,
                   kInk, 0.0);
        paintChevron(p, QPointF(tile.right() - 12, tile.center().y() + (open ? -0.5 : 0.5)), 4.5, open,
                     Qt::white);
    };
}

// A fat triangle arrow for the scroll buttons.
Decoration arrow(bool up)
{
    return [=](QPainter& p, const QRectF& tile, Look) {
        const QPointF c = tile.center();
        const double s = up ? -1.0 : 1.0;
        QPainterPath tri;
        tri.moveTo(c.x(), c.y() + s * 9.0);
        tri.lineTo(c.x() + 10.0, c.y() - s * 6.0);
        tri.lineTo(c.x() - 10.0, c.y() - s * 6.0);
        tri.closeSubpath();
        p.fillPath(tri, Qt::white);
        p.strokePath(tri, QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    };
}

QImage sliderBall(Look look)
{
    QImage image = blankButton(36, 36);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF shift = look == Look::Down ? QPointF(1.0, 1.0) : QPointF();
    const QPointF c = QPointF(17.5, 17.0) + shift;
    const double r = 14.5;
    QPainterPath ball;
    ball.addEllipse(c, r, r);
    paintShadow(p, ball, look == Look::Down ? QPointF(0.5, 0.8) : QPointF(1.0, 1.8), 1.2, 0.35);
    const QColor body = shade(kOrange, look);
    QRadialGradient fill(c + QPointF(-4.5, -5.0), r * 1.5);
    fill.setColorAt(0.0, mix(body, Qt::white, 0.65));
    fill.setColorAt(0.45, body);
    fill.setColorAt(1.0, mix(body, QColor(60, 20, 30), 0.3));
    p.fillPath(ball, fill);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(c + QPointF(-5.0, -6.0), 4.0, 2.6);
    // Grip lines so it reads as something to hold and drag.
    p.setPen(QPen(mix(body, kInk, 0.55), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = -1; i <= 1; ++i)
        p.drawLine(c + QPointF(-5.0, 3.0 + i * 3.5 + 1.5), c + QPointF(5.0, 3.0 + i * 3.5 + 1.5));
    p.strokePath(ball, inkPen(2.0));
    p.end();
    return opaque(image);
}

// A blank page with a plus: start a new picture of your own.
void paintNewPage(QPainter& p, QPointF c)
{
    QPainterPath page;
    page.moveTo(c.x() - 12, c.y() - 15);
    page.lineTo(c.x() + 5, c.y() - 15);
    page.lineTo(c.x() + 12, c.y() - 8);
    page.lineTo(c.x() + 12, c.y() + 15);
    page.lineTo(c.x() - 12, c.y() + 15);
    page.closeSubpath();
    p.fillPath(page, Qt::white);
    p.strokePath(page, inkPen(1.8));
    QPainterPath fold;
    fold.moveTo(c.x() + 5, c.y() - 15);
    fold.lineTo(c.x() + 5, c.y() - 8);
    fold.lineTo(c.x() + 12, c.y() - 8);
    p.strokePath(fold, inkPen(1.4));
    QPainterPath plus;
    plus.addEllipse(c + QPointF(6, 9), 7.5, 7.5);
    p.fillPath(plus, kLeaf);
    p.strokePath(plus, inkPen(1.6));
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(2, 9), c + QPointF(10, 9));
    p.drawLine(c + QPointF(6, 5), c + QPointF(6, 13));
}

// A small fanned stack of pictures: more pictures.
void paintPictureStack(QPainter& p, QPointF c)
{
    const QColor skies[] = {QColor(255, 200, 120), QColor(150, 220, 255), QColor(200, 240, 170)};
    const double angles[] = {-14.0, 8.0, -2.0};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(c + QPointF(-2 + i * 2, -i * 1.5));
        p.rotate(angles[i]);
        QPainterPath card;
        card.addRoundedRect(QRectF(-12, -10, 24, 20), 2.5, 2.5);
        p.fillPath(card, Qt::white);
        p.fillRect(QRectF(-9.5, -7.5, 19, 15), skies[i]);
        if (i == 2) {
            QPainterPath hill;
            hill.moveTo(-9.5, 7.5);
            hill.quadTo(-3, -2, 4, 7.5);
            hill.closeSubpath();
            p.fillPath(hill, kLeaf);
            p.setPen(Qt::NoPen);
            p.setBrush(kSunshine);
            p.drawEllipse(QPointF(4.5, -2.5), 3.0, 3.0);
        }
        p.strokePath(card, inkPen(1.5));
        p.restore();
    }
}

Decoration iconAndWords(void (*icon)(QPainter&, QPointF), const QString& first, const QString& second)
{
    return [=](QPainter& p, const QRectF& tile, Look) {
        icon(p, QPointF(tile.left() + 24, tile.center().y()));
        const QRectF words(tile.left() + 42, tile.top() + 2, tile.width() - 46, tile.height() - 4);
        const double lineGap = 16.0;
        paintLabel(p, words.translated(0, -lineGap / 2 - 1), first, 18.0, Qt::white, kInk, 1.6);
        paintLabel(p, words.translated(0, lineGap / 2 + 1), second, 18.0, Qt::white, kInk, 1.6);
    };
}

void addPair(ArtWriter& out, int up, int down, const std::function<QImage(Look)>& make)
{
    out.addImage(QString("bitmaps/%1.png").arg(up), make(Look::Up));
    out.addImage(QString("bitmaps/%1.png").arg(down), make(Look::Down));
}

// The buttons with words on them, in one language ("" for English), under
// that language's folder.
void makeWordedButtons(ArtWriter& out, const ArtWords& words, const QString& code)
{
    const QString folder = ArtWords::folder(QStringLiteral("bitmaps"), code);
    const auto pair = [&](int up, int down, const std::function<QImage(Look)>& make) {
        out.addImage(folder + QString::number(up) + QStringLiteral(".png"), make(Look::Up));
        out.addImage(folder + QString::number(down) + QStringLiteral(".png"), make(Look::Down));
    };
    const QString nevermind = words.word(code, ArtText::Nevermind);
    pair(BitmapId::NevermindUp, BitmapId::NevermindDown, [&](Look look) {
        return tileButton(150, 36, QColor(186, 200, 255), look, 14.0, 3.0, label(nevermind, 19.0, Qt::white, {0, -0.5}));
    });
    const QString details = words.word(code, ArtText::Details);
    for (Look look : {Look::Up, Look::Down, Look::Pressed}) {
        const int number = look == Look::Up     ? BitmapId::DetailsUp
                           : look == Look::Down ? BitmapId::DetailsDown
                                                : BitmapId::DetailsPressed;
        out.addImage(folder + QString::number(number) + QStringLiteral(".png"),
                     tileButton(80, 26, look == Look::Pressed ? kSunshine : QColor(255, 236, 170), look, 10.0, 2.5,
                                detailsTab(details)));
    }
    const QString newWord = words.word(code, ArtText::New);
    const QString picture = words.word(code, ArtText::Picture);
    pair(BitmapId::NewPictureUp, BitmapId::NewPictureDown, [&](Look look) {
        return tileButton(140, 60, kOrange, look, 16.0, 3.5, iconAndWords(paintNewPage, newWord, picture));
    });
    const QString more = words.word(code, ArtText::More);
    const QString pictures = words.word(code, ArtText::Pictures);
    pair(BitmapId::MorePicturesUp, BitmapId::MorePicturesDown, [&](Look look) {
        return tileButton(140, 60, kGrape, look, 16.0, 3.5, iconAndWords(paintPictureStack, more, pictures));
    });
}

} // namespace

void makeDialogButtons(ArtWriter& out, const ArtWords& words)
{
    makeWordedButtons(out, words, QString());
    for (const QString& code : words.languages())
        makeWordedButtons(out, words, code);
    addPair(out, BitmapId::OkUp, BitmapId::OkDown, [](Look look) {
        return tileButton(50, 36, kLeaf, look, 14.0, 3.0, label("OK", 19.0, Qt::white, {0, -0.5}));
    });
    addPair(out, BitmapId::UpArrowUp, BitmapId::UpArrowDown,
            [](Look look) { return tileButton(40, 40, kSky, look, 11.0, 3.0, arrow(true)); });
    addPair(out, BitmapId::DownArrowUp, BitmapId::DownArrowDown,
            [](Look look) { return tileButton(40, 40, kSky, look, 11.0, 3.0, arrow(false)); });
    addPair(out, BitmapId::SliderUp, BitmapId::SliderDown, sliderBall);
}
