// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/ThumbnailStrip.h"

#include "imaging/CrispScaler.h"
#include "imaging/cNDib.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QTouchEvent>
#include <cmath>
#include <algorithm>

namespace {

constexpr int CellSide = 100;
constexpr int FittedSide = 99;

QPoint rounded(const QPointF& p)
{
    return QPoint(qRound(p.x()), qRound(p.y()));
}

// The thumbnail as Set_dib_Fit draws it into the cell at `at`, on the white
// of a 99 x 99 image. The place is worked out where the cell really lies:
// halves round to even there, and a cell of its own would round otherwise.
QImage fitIntoCell(const QImage& thumbnail, QPoint at)
{
    cNDib dib;
    if (!dib.Make_From_Image(thumbnail))
        return {};
    QImage cell(FittedSide, FittedSide, QImage::Format_RGB32);
    cell.fill(0xFFFFFFFF);
    const QPoint inner = at + QPoint(1, 1);
    const QRect fit = dib.fitRect(inner.x(), inner.y(), FittedSide, FittedSide);
    dib.Stretch_dib_area(fit.x() - inner.x(), fit.y() - inner.y(), 0, 0, dib.pixelWidth(), dib.pixelHeight(),
                         fit.width(), fit.height(), cell);
    return cell;
}

} // namespace

ThumbnailStrip::ThumbnailStrip(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
}

bool ThumbnailStrip::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        return touch(static_cast<QTouchEvent*>(event));
    default:
        return QWidget::event(event);
    }
}

bool ThumbnailStrip::touch(QTouchEvent* event)
{
    event->accept();
    m_finger.follow(*this, *event, [this](FirstFinger::Step step, const QEventPoint& point) {
        // The screen's coordinates: the strip itself moves under the finger.
        const qreal y = point.globalPosition().y();
        if (step == FirstFinger::Step::Down) {
            m_fingerStartY = m_fingerLastY = y;
            m_dragging = false;
            return;
        }
        if (!m_dragging && std::abs(y - m_fingerStartY) >= DragThreshold)
            m_dragging = true;
        if (m_dragging) {
            const int dy = qRound(y - m_fingerLastY);
            if (dy != 0) {
                m_fingerLastY += dy;
                Q_EMIT dragged(dy);
            }
        }
        // A cancelled touch is lifted where it last was: no tap for it.
        if (step == FirstFinger::Step::Up && !m_dragging && point.state() == QEventPoint::Released)
            Q_EMIT released(rounded(point.position()));
    });
    return true;
}

void ThumbnailStrip::setStripHeight(int height)
{
    resize(width(), height);
}

void ThumbnailStrip::setCells(QList<StripCell> cells, Loader loader)
{
    m_cells = std::move(cells);
    m_loader = std::move(loader);
    m_cache.clear();
    update();
}

void ThumbnailStrip::refresh(int cell)
{
    m_cache.remove(cell);
    if (cell >= 0 && cell < m_cells.size())
        update(QRect(m_cells.at(cell).at, QSize(CellSide + 1, CellSide + 1)));
}

std::pair<int, int> ThumbnailStrip::cellsBetween(int top, int bottom) const
{
    // A cell reaches CellSide rows below its top: its frame's last row.
    const auto first = std::partition_point(m_cells.cbegin(), m_cells.cend(),
                                            [top](const StripCell& c) { return c.at.y() + CellSide < top; });
    const auto end = std::partition_point(first, m_cells.cend(),
                                          [bottom](const StripCell& c) { return c.at.y() <= bottom; });
    return {int(first - m_cells.cbegin()), int(end - m_cells.cbegin())};
}

const QImage& ThumbnailStrip::fitted(int cell)
{
    if (const QImage* cached = m_cache.object(cell))
        return *cached;
    // A thumbnail that cannot be read is remembered as such, so that it is
    // not read again on every paint; its cell stays white.
    // Enlarged here, once, for a screen with more pixels than the design.
    auto* image = new QImage(m_loader ? CrispScaler::enlarged(fitIntoCell(m_loader(cell), m_cells.at(cell).at),
                                                              devicePixelRatioF())
                                      : QImage());
    m_cache.insert(cell, image);
    return *image;
}

void ThumbnailStrip::paintEvent(QPaintEvent* event)
{
    const QRect area = event->rect();
    QPainter painter(this);
    painter.fillRect(area, Qt::white);
    const auto [first, end] = cellsBetween(area.top(), area.bottom());
    for (int cell = first; cell < end; ++cell)
        drawCell(painter, cell);
    scheduleReadAhead();
}

void ThumbnailStrip::drawCell(QPainter& painter, int cell)
{
    const StripCell& c = m_cells.at(cell);
    const QImage& image = fitted(cell);
    // Fitted once for this very cell: drawn 1:1, no scaling.
    if (!image.isNull())
        painter.drawImage(c.at + QPoint(1, 1), image);
    if (c.framed)
        drawOwnFrame(painter, c.at);
}

// The light frame around an own picture's cell.
void ThumbnailStrip::drawOwnFrame(QPainter& painter, QPoint at)
{
    const int left = at.x(), top = at.y();
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

// Once the paints of a scroll are done, the rows next to the viewport are
// read, so that the next scroll finds them ready.
void ThumbnailStrip::scheduleReadAhead()
{
    if (m_readAheadPending)
        return;
    m_readAheadPending = true;
    QTimer::singleShot(0, this, &ThumbnailStrip::readAhead);
}

void ThumbnailStrip::readAhead()
{
    m_readAheadPending = false;
    const QRect shown = visibleRegion().boundingRect();
    if (shown.isEmpty())
        return;
    const auto [first, end] = cellsBetween(shown.top() - AheadPixels, shown.bottom() + AheadPixels);
    for (int cell = first; cell < end; ++cell)
        fitted(cell);
}

void ThumbnailStrip::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT released(rounded(event->position()));
}

void ThumbnailStrip::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT hovered(rounded(event->position()));
}
