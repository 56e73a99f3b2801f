// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FirstFinger.h"

#include <QScreen>
#include <QTouchEvent>
#include <QWidget>
#include <algorithm>

namespace {

qreal dotsPerInchOf(const QWidget& widget)
{
    const QScreen* screen = widget.screen();
    const qreal dpi = screen ? screen->physicalDotsPerInch() : 0.0;
    return dpi > 1.0 ? dpi : 96.0;
}

} // namespace

bool FirstFinger::isPalm(const QEventPoint& point, qreal dotsPerInch)
{
    const QSizeF contact = point.ellipseDiameters();
    // Many screens report no contact size at all; those touches are fingers.
    return std::max(contact.width(), contact.height()) > PalmMillimetres * dotsPerInch / 25.4;
}

void FirstFinger::follow(const QWidget& widget, const QTouchEvent& event, const Handler& handle)
{
    if (event.type() == QEvent::TouchCancel) {
        if (isDown() && m_widget == &widget) {
            m_id = -1;
            handle(Step::Up, m_last);
        }
        return;
    }
    const qreal dpi = dotsPerInchOf(widget);
    for (const QEventPoint& point : event.points()) {
        if (!isDown()) {
            if (point.state() == QEventPoint::Pressed && !isPalm(point, dpi)) {
                m_id = point.id();
                m_widget = &widget;
                m_last = point;
                handle(Step::Down, point);
            }
            continue;
        }
        if (point.id() != m_id || m_widget != &widget)
            continue;
        m_last = point;
        if (point.state() == QEventPoint::Released) {
            m_id = -1;
            handle(Step::Up, point);
        } else if (point.state() == QEventPoint::Updated) {
            handle(Step::Move, point);
        }
    }
}
