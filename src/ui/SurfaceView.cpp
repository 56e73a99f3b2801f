// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SurfaceView.h"

#include "platform/PictureSurface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTouchEvent>
#include <cmath>

SurfaceView::SurfaceView(PictureSurface& surface, QWidget* parent)
    : QWidget(parent)
    , m_surface(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    m_surface.setRefreshHandler([this](const QRect& rect) {
        if (rect.isEmpty())
            update();
        else
            update(toWidget(rect));
    });
}

SurfaceView::~SurfaceView()
{
    m_surface.setRefreshHandler({});
}

void SurfaceView::fitToSurface()
{
    const QSize size = m_surface.size();
    resize(m_scale == 1.0 ? size : QSize(qMax(1, qRound(size.width() * m_scale)), qMax(1, qRound(size.height() * m_scale))));
}

void SurfaceView::repaintNow(const std::vector<QRect>& surfaceRects)
{
    QRegion region;
    for (const QRect& rect : surfaceRects)
        region += toWidget(rect);
    if (!region.isEmpty())
        repaint(region);
}

void SurfaceView::setDisplayScale(qreal scale)
{
    if (scale <= 0.0 || scale == m_scale)
        return;
    m_scale = scale;
    fitToSurface();
    update();
}

QPoint SurfaceView::toSurface(QPointF at) const
{
    return {int(std::floor(at.x() / m_scale)), int(std::floor(at.y() / m_scale))};
}

QRect SurfaceView::toWidget(const QRect& surfaceRect) const
{
    if (m_scale == 1.0)
        return surfaceRect;
    const QRectF scaled(surfaceRect.x() * m_scale, surfaceRect.y() * m_scale, surfaceRect.width() * m_scale,
                        surfaceRect.height() * m_scale);
    // One pixel more on each side: smooth scaling reaches into neighbours.
    return scaled.toAlignedRect().adjusted(-1, -1, 1, 1);
}

void SurfaceView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& image = m_surface.image();
    // On an enlarged interface (or a high-density screen) one surface pixel
    // covers several device pixels.
    const qreal ratio = devicePixelRatioF();
    if (!image.isNull() && m_scale * ratio > 1.0 + 1e-6) {
        paintCrisp(painter, image, event->region(), ratio);
        return;
    }
    if (m_scale != 1.0) {
        paintScaled(painter, image, event->rect());
        return;
    }
    const QRect covered = image.isNull() ? QRect() : QRect(QPoint(0, 0), image.size());
    // Rectangle by rectangle rather than their bounding box: a few small
    // bubbles moving across a wide palette stay a few small copies (which
    // the painter does on this thread instead of waking its helpers).
    for (const QRect& area : event->region()) {
        const QRect shown = area & covered;
        if (!shown.isEmpty())
            painter.drawImage(shown.topLeft(), image, shown);
        // Whatever the surface does not cover shows its back colour.
        for (const QRect& r : QRegion(area).subtracted(covered))
            painter.fillRect(r, QColor::fromRgb(m_surface.backColor()));
    }
}

void SurfaceView::paintScaled(QPainter& painter, const QImage& image, const QRect& area)
{
    painter.fillRect(area, QColor::fromRgb(m_surface.backColor()));
    if (image.isNull())
        return;
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(width(), height())), image, QRectF(image.rect()));
}

void SurfaceView::paintCrisp(QPainter& painter, const QImage& image, const QRegion& region, qreal devicePixelRatio)
{
    const QSize deviceSize(int(std::ceil(width() * devicePixelRatio)), int(std::ceil(height() * devicePixelRatio)));
    if (m_enlarged.size() != deviceSize || m_enlarged.format() != image.format()) {
        m_enlarged = QImage(deviceSize, image.format());
        m_enlarged.fill(m_surface.backColor());
    }
    m_enlarged.setDevicePixelRatio(devicePixelRatio);
    const qreal factor = m_scale * devicePixelRatio;
    const QRect covered(0, 0, int(std::ceil(image.width() * factor)), int(std::ceil(image.height() * factor)));
    for (const QRect& area : region) {
        const QRect device = QRectF(area.x() * devicePixelRatio, area.y() * devicePixelRatio,
                                    area.width() * devicePixelRatio, area.height() * devicePixelRatio)
                                 .toAlignedRect()
            & m_enlarged.rect();
        const QRect shown = device & covered;
        // Only what the picture does not cover shows the back colour.
        if (shown != device)
            painter.fillRect(area, QColor::fromRgb(m_surface.backColor()));
        if (shown.isEmpty())
            continue;
        m_scaler.scale(image, m_enlarged, shown, factor);
        painter.drawImage(QPointF(shown.topLeft()) / devicePixelRatio, m_enlarged, shown);
    }
}

void SurfaceView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = toSurface(event->position());
    Q_EMIT mousePressed(event->button(), at.x(), at.y());
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = toSurface(event->position());
    Q_EMIT mouseMoved(event->buttons(), at.x(), at.y());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = toSurface(event->position());
    Q_EMIT mouseReleased(event->button(), at.x(), at.y());
}

bool SurfaceView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        touch(static_cast<QTouchEvent*>(event));
        return true;
    default:
        return QWidget::event(event);
    }
}

// A finger is the left button: it paints, picks and presses as the mouse
// does. Accepting every touch keeps Qt from turning other fingers into clicks.
void SurfaceView::touch(QTouchEvent* event)
{
    event->accept();
    m_finger->follow(*this, *event, [this](FirstFinger::Step step, const QEventPoint& point) {
        const QPoint at = toSurface(point.position());
        switch (step) {
        case FirstFinger::Step::Down:
            Q_EMIT mousePressed(Qt::LeftButton, at.x(), at.y());
            break;
        case FirstFinger::Step::Move:
            Q_EMIT mouseMoved(Qt::LeftButton, at.x(), at.y());
            break;
        case FirstFinger::Step::Up:
            Q_EMIT mouseReleased(Qt::LeftButton, at.x(), at.y());
            break;
        }
    });
}
