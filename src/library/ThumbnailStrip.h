// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/StripCell.h"
#include "ui/FirstFinger.h"

#include <QCache>
#include <QImage>
#include <QList>
#include <QWidget>

class QTouchEvent;
#include <functional>

// The browser's strip (Pmb): a white sheet as tall as all the cells, on
// which each thumbnail sits fitted into its cell at left + 1, top + 1,
// 99 x 99. Scrolling moves the whole widget inside the viewport.
//
// Only what is shown is drawn. A cell's thumbnail is read when its row
// comes into view (or is about to), fitted into its cell once, and kept in
// a cache of CacheCells cells, so that the strip's memory and start-up time
// do not grow with the number of pictures.
class ThumbnailStrip : public QWidget
{
    Q_OBJECT
public:
    // The thumbnail of a cell, by its index in the cells given; a null image
    // when it cannot be read.
    using Loader = std::function<QImage(int cell)>;
    // Room for the rows a viewport shows and those around it several times over.
    static constexpr int CacheCells = 150;
    // Cells this far above or below the viewport are read ahead of need.
    static constexpr int AheadPixels = 105;

    explicit ThumbnailStrip(QWidget* parent = nullptr);

    // Sets the strip's height (its "inner height").
    void setStripHeight(int height);
    // The cells, in layout order (tops never decrease), and where their
    // thumbnails come from. Whatever was drawn before is forgotten.
    void setCells(QList<StripCell> cells, Loader loader);
    // The cell's thumbnail changed on disk: it is read again when shown.
    void refresh(int cell);

    // How many cells are held fitted in memory (at most CacheCells).
    int cachedCells() const { return int(m_cache.size()); }

Q_SIGNALS:
    // A mouse button went up over the strip (any button), at strip pixels.
    void released(QPoint at);
    // The mouse moved over the strip.
    void hovered(QPoint at);
    // A finger dragging the strip moved this far up (negative) or down.
    void dragged(int dy);

protected:
    // A finger that moves scrolls the strip; one that only taps acts as a
    // click (released). Other fingers are ignored while it is down.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The cells whose 101 x 101 squares (frame included) meet the rows
    // top to bottom, as a range of indexes [first, end).
    std::pair<int, int> cellsBetween(int top, int bottom) const;
    // The cell's thumbnail fitted into a white 99 x 99 image; null when it
    // cannot be read.
    const QImage& fitted(int cell);
    void drawCell(QPainter& painter, int cell);
    static void drawOwnFrame(QPainter& painter, QPoint at);
    void scheduleReadAhead();
    void readAhead();

    bool touch(QTouchEvent* event);

    QList<StripCell> m_cells;
    Loader m_loader;
    QCache<int, QImage> m_cache{CacheCells};
    bool m_readAheadPending = false;

    // A finger moves this far before it counts as a drag, not a tap.
    static constexpr int DragThreshold = 12;
    FirstFinger m_finger;
    qreal m_fingerStartY = 0;
    qreal m_fingerLastY = 0;
    bool m_dragging = false;
};
