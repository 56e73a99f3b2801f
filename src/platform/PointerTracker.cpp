// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PointerTracker.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>

PointerTracker::PointerTracker(QObject* parent)
    : QObject(parent)
{
}

PointerTracker::~PointerTracker()
{
    stop();
}

void PointerTracker::start()
{
    m_position = QCursor::pos();
    if (!m_started && QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
        m_started = true;
    }
}

void PointerTracker::stop()
{
    if (m_started && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    m_started = false;
}

bool PointerTracker::eventFilter(QObject* watched, QEvent* event)
{
    // The top-level windows see every move, whether or not the widget under
    // the pointer tracks the mouse.
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::Enter:
        if (watched->isWindowType())
            m_position = static_cast<QSinglePointEvent*>(event)->globalPosition().toPoint();
        break;
    default:
        break;
    }
    return false;
}
