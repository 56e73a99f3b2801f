// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BorderedDialog.h"

#include <QMouseEvent>
#include <QPainter>
#include <QGuiApplication>
#include <QScreen>
#include <qdrawutil.h>

BorderedDialog::BorderedDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::WindowText, QColor(0x20, 0x20, 0x40));
    setPalette(pal);
    setModal(true);
}

void BorderedDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    QPalette edge;
    edge.setColor(QPalette::Light, Qt::white);
    edge.setColor(QPalette::Midlight, QColor(0xE3, 0xE3, 0xE3));
    edge.setColor(QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
    edge.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    edge.setColor(QPalette::Shadow, QColor(0x40, 0x40, 0x40));
    edge.setColor(QPalette::Button, QColor(0xF0, 0xF0, 0xF0));
    qDrawWinPanel(&painter, rect(), edge, false, nullptr);
}

void BorderedDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(event);
}

void BorderedDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
    QDialog::mouseMoveEvent(event);
}

void BorderedDialog::setVisible(bool visible)
{
    if (visible && !isVisible() && (m_centredAtEveryShow || !testAttribute(Qt::WA_Moved))) {
        if (!testAttribute(Qt::WA_Resized))
            adjustSize();
        centreOverOwner();
    }
    QDialog::setVisible(visible);
}

void BorderedDialog::centreOverOwner(QWidget& window)
{
    const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    QRect area;
    if (owner && owner->isVisible()) {
        area = owner->frameGeometry();
    } else {
        QScreen* screen = owner ? owner->screen() : window.screen();
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen)
            area = screen->availableGeometry();
    }
    if (area.isValid())
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}
