#pragma once

#include <QImage>
#include <QWidget>

class cNDib;

// The browser's strip (Pmb): one tall image that holds every thumbnail,
// drawn once while the books load. Scrolling moves the whole widget inside
// the viewport; the image itself is never redrawn for it.
class ThumbnailStrip : public QWidget
{
    Q_OBJECT
public:
    explicit ThumbnailStrip(QWidget* parent = nullptr);

    // Sets the strip's height (its "inner height"), growing the image with
    // white room when needed; the content drawn so far stays.
    void setStripHeight(int height);
    // Back to white, for drawing the strip again from the start.
    void clear() { m_image.fill(0xFFFFFFFF); }
    // Everything drawn so far; rows below height() are spare room.
    const QImage& image() const { return m_image; }

    // The thumbnail fitted into left + 1, top + 1, 99 x 99.
    void drawThumbnail(const cNDib& thumbnail, int left, int top);
    // The light frame around an own picture's cell.
    void drawOwnFrame(int left, int top);

Q_SIGNALS:
    // A mouse button went up over the strip (any button), at strip pixels.
    void released(QPoint at);
    // The mouse moved over the strip.
    void hovered(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void reserve(QSize size);

    QImage m_image;
};
