// SPDX-License-Identifier: GPL-3.0-or-later
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

    // Centres the window over its owner before it is shown (see
    // centreOverOwner), unless it was placed on purpose. Placed only once
    // showing, the position never reaches a window manager, which then puts
    // the window where it likes (often the screen's top-left corner).
    void setVisible(bool visible) override;

    // Centres window over its owner's (parent's) window when that is
    // showing, and on the owner's screen (or the primary screen) otherwise:
    // the first-run windows come before the main window, whose frame is
    // then only a default rectangle. For any top-level window, before it
    // shows.
    static void centreOverOwner(QWidget& window);

protected:
    // For windows shown again and again: centred at every showing, not
    // only the first.
    void setCentredAtEveryShow(bool on) { m_centredAtEveryShow = on; }

    void paintEvent(QPaintEvent* event) override;
    void centreOverOwner() { centreOverOwner(*this); }
    // Lets the window be moved by dragging its background (it has no title bar).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint m_dragOffset;
    bool m_dragging = false;
    bool m_centredAtEveryShow = false;
};
