// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LinkLabel.h"

#include "ui/AppFonts.h"
#include "ui/Resources.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setActive(true);
}

void LinkLabel::setActive(bool active)
{
    m_active = active;
    if (active)
        setCursor(Resources::handCursor());
    else
        unsetCursor();
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    if (m_pressed)
        event->accept();
    else
        QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        if (m_active)
            Q_EMIT clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

LinkLabel* LinkLabel::noticeLink(const QString& caption, QWidget* parent)
{
    auto* link = new LinkLabel(caption, parent);
    QFont font = AppFonts::playful(12, true);
    font.setUnderline(true);
    link->setFont(font);
    QPalette pal = link->palette();
    pal.setColor(QPalette::WindowText, QColor(0x1E, 0x5A, 0xC8));
    link->setPalette(pal);
    link->adjustSize();
    return link;
}
