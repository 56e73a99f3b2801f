// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label that acts as a link: it shows the hand cursor and emits clicked()
// when the left button is pressed and released over it.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // "Continue" and "Cancel" of the parent's windows: underlined, bold,
    // in the link blue, sized to the caption.
    static LinkLabel* noticeLink(const QString& caption, QWidget* parent);

    // Whether a click does anything; an inactive link shows the arrow.
    void setActive(bool active);
    bool isActive() const { return m_active; }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_active = true;
    bool m_pressed = false;
};
