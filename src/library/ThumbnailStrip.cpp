#include "library/ThumbnailStrip.h"

#include "imaging/cNDib.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

QPoint rounded(const QPointF& p)
{
    return QPoint(qRound(p.x()), qRound(p.y()));
}

} // namespace

ThumbnailStrip::ThumbnailStrip(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ThumbnailStrip::setStripHeight(int height)
{
    reserve(QSize(width(), height));
    resize(width(), height);
}

void ThumbnailStrip::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    reserve(size());
}

// The image only ever grows; a strip made shorter keeps its rows as spare room.
void ThumbnailStrip::reserve(QSize size)
{
    if (size.width() <= m_image.width() && size.height() <= m_image.height())
        return;
    const QSize grown = size.expandedTo(m_image.size()).expandedTo(QSize(1, 1));
    QImage image(grown, QImage::Format_RGB32);
    image.fill(0xFFFFFFFF);
    if (!m_image.isNull()) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, m_image);
    }
    m_image = std::move(image);
}

void ThumbnailStrip::drawThumbnail(const cNDib& thumbnail, int left, int top)
{
    thumbnail.Set_dib_Fit(m_image, left + 1, top + 1, 99, 99);
}

void ThumbnailStrip::drawOwnFrame(int left, int top)
{
    QPainter painter(&m_image);
    const QColor light(240, 240, 240);
    painter.fillRect(left, top, 101, 1, light);
    painter.fillRect(left, top + 100, 101, 1, light);
    painter.fillRect(left, top, 1, 101, light);
    painter.fillRect(left + 100, top, 1, 101, light);
    // A slightly darker right and bottom edge, like a sheet lying on the page.
    const QColor shade(225, 225, 225);
    painter.fillRect(left + 100, top + 2, 1, 97, shade);
    painter.fillRect(left + 2, top + 100, 97, 1, shade);
}

void ThumbnailStrip::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

void ThumbnailStrip::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT released(rounded(event->position()));
}

void ThumbnailStrip::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT hovered(rounded(event->position()));
}
