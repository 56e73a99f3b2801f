// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/CrispScaler.h"
#include "ui/FirstFinger.h"

#include <QImage>
#include <QWidget>
#include <vector>

class PictureSurface;
class QPainter;
class QTouchEvent;

// Shows a PictureSurface's drawable image, 1:1 or at a display scale, and
// reports the mouse, or the first finger on it, in the surface's pixel
// coordinates. The surface asks for
// repaints through its refresh handler, so painting code never needs to know
// about widgets.
class SurfaceView : public QWidget
{
    Q_OBJECT
public:
    explicit SurfaceView(PictureSurface& surface, QWidget* parent = nullptr);
    ~SurfaceView() override;

    PictureSurface& surface() { return m_surface; }
    // Resizes the widget to the surface's size at the display scale.
    void fitToSurface();
    // How many widget pixels show one surface pixel (1 by default); below 1
    // the image is shown smaller, as a whole picture larger than its room.
    void setDisplayScale(qreal scale);
    qreal displayScale() const { return m_scale; }
    // Views side by side follow one finger between them: while it paints on
    // one, a finger on the other is ignored.
    void shareFingerWith(SurfaceView& other) { m_finger = other.m_finger; }
    // Paints these surface rectangles at once and shows them, instead of
    // asking the event loop for a repaint: an animation frame then costs one
    // wake of the program rather than two.
    void repaintNow(const std::vector<QRect>& surfaceRects);

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, int x, int y);
    void mouseMoved(Qt::MouseButtons buttons, int x, int y);
    void mouseReleased(Qt::MouseButton button, int x, int y);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Surface pixel under a point of the widget, and widget area of a
    // surface rectangle.
    QPoint toSurface(QPointF at) const;
    QRect toWidget(const QRect& surfaceRect) const;
    void paintScaled(QPainter& painter, const QImage& image, const QRect& area);
    void paintCrisp(QPainter& painter, const QImage& image, const QRegion& region, qreal devicePixelRatio);

    void touch(QTouchEvent* event);

    PictureSurface& m_surface;
    qreal m_scale = 1.0;
    // The surface enlarged to device pixels, filled in where it is painted.
    QImage m_enlarged;
    CrispScaler m_scaler;
    FirstFinger m_ownFinger;
    FirstFinger* m_finger = &m_ownFinger;
};
