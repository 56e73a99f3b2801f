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
            update(rect);
    });
}

SurfaceView::~SurfaceView()
{
    m_surface.setRefreshHandler({});
}

void SurfaceView::fitToSurface()
{
    resize(m_surface.size());
}

void SurfaceView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& image = m_surface.image();
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

namespace {
int pixel(qreal v)
{
    return int(std::floor(v));
}
}

void SurfaceView::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mousePressed(event->button(), pixel(event->position().x()), pixel(event->position().y()));
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved(event->buttons(), pixel(event->position().x()), pixel(event->position().y()));
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseReleased(event->button(), pixel(event->position().x()), pixel(event->position().y()));
}
