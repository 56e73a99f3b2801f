// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QPointingDevice>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>
#include <private/qhighdpiscaling_p.h>

// A touch screen under a widget, as the window system reports one: fingers
// go down, move and lift, each with the size of its contact, and each
// commit() is one touch event. (QTest's touch sequences give every point
// the same size, so they cannot stand for a palm.)
class Fingers
{
public:
    explicit Fingers(QWidget* widget)
        : m_widget(widget)
        , m_device(QTest::createTouchDevice())
    {
    }

    // Widget coordinates; contact is the diameter of the touched area, in
    // widget pixels (none, as many screens report).
    Fingers& press(int id, QPoint at, QSizeF contact = {}) { return point(id, at, QEventPoint::State::Pressed, contact); }
    Fingers& move(int id, QPoint at) { return point(id, at, QEventPoint::State::Updated, m_contact.value(id)); }
    Fingers& release(int id, QPoint at) { return point(id, at, QEventPoint::State::Released, m_contact.value(id)); }

    void commit()
    {
        QWindow* window = m_widget->window()->windowHandle();
        QList<QWindowSystemInterface::TouchPoint> points = m_moved.values();
        // Fingers that did not move are still on the screen.
        for (auto it = m_down.cbegin(); it != m_down.cend(); ++it) {
            if (!m_moved.contains(it.key())) {
                QWindowSystemInterface::TouchPoint still = it.value();
                still.state = QEventPoint::State::Stationary;
                points.append(still);
            }
        }
        for (const auto& p : std::as_const(m_moved)) {
            if (p.state == QEventPoint::State::Released)
                m_down.remove(p.id);
            else
                m_down.insert(p.id, p);
        }
        m_moved.clear();
        QWindowSystemInterface::handleTouchEvent<QWindowSystemInterface::SynchronousDelivery>(window, m_device, points);
        QCoreApplication::processEvents();
    }

private:
    Fingers& point(int id, QPoint at, QEventPoint::State state, QSizeF contact)
    {
        m_contact.insert(id, contact);
        QWindow* window = m_widget->window()->windowHandle();
        const QRectF logical(QPointF(m_widget->mapToGlobal(at)) - QPointF(contact.width(), contact.height()) / 2, contact);
        QWindowSystemInterface::TouchPoint p;
        p.id = id;
        p.state = state;
        p.pressure = state == QEventPoint::State::Released ? 0.0 : 1.0;
        p.area = QRectF(QHighDpi::toNativeGlobalPosition(logical.topLeft(), window),
                        QHighDpi::toNativePixels(logical.size(), window));
        m_moved.insert(id, p);
        return *this;
    }

    QWidget* m_widget;
    QPointingDevice* m_device;
    QMap<int, QSizeF> m_contact;
    QMap<int, QWindowSystemInterface::TouchPoint> m_down;
    QMap<int, QWindowSystemInterface::TouchPoint> m_moved;
};
