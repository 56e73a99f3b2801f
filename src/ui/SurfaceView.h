#pragma once

#include <QWidget>

class PictureSurface;

// Shows a PictureSurface's drawable image 1:1 and reports the mouse in the
// surface's pixel coordinates. The surface asks for repaints through its
// refresh handler, so painting code never needs to know about widgets.
class SurfaceView : public QWidget
{
    Q_OBJECT
public:
    explicit SurfaceView(PictureSurface& surface, QWidget* parent = nullptr);
    ~SurfaceView() override;

    PictureSurface& surface() { return m_surface; }
    // Resizes the widget to the surface's size.
    void fitToSurface();

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, int x, int y);
    void mouseMoved(Qt::MouseButtons buttons, int x, int y);
    void mouseReleased(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PictureSurface& m_surface;
};
