#pragma once

#include <QDialog>

// Base of every small window of the program: white, frameless, with a
// raised 3-D edge (outer and inner raised) painted around its whole area,
// repainted after every change of size.
class BorderedDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BorderedDialog(QWidget* parent = nullptr);

    // Converts a position from the window designs (15 twips to the pixel).
    static constexpr int twips(int value) { return value / 15; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Centres the window over its parent, or over the screen while the
    // parent is not showing yet (the first-run windows come before the main
    // window), unless the window was placed on purpose.
    void showEvent(QShowEvent* event) override;
    // Centres the window over its owner's window when that is showing, and
    // on the owner's screen (or the primary screen) otherwise: before the
    // main window shows, its frame is only a default rectangle.
    void centreOverOwner();
    // Lets the window be moved by dragging its background (it has no title bar).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint m_dragOffset;
    bool m_dragging = false;
};
