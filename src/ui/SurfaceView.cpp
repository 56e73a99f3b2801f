#include "ui/SurfaceView.h"

#include "platform/PictureSurface.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

SurfaceView::SurfaceView(PictureSurface& surface, QWidget* parent)
    : QWidget(parent)
    , m_surface(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
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
