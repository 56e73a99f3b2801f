// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AnimationTimer.h"

#include <QApplication>
#include <QWidget>

AnimationTimer::AnimationTimer(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    // Steps are counted by the clock (TickPacer), so the animation keeps its
    // rate on average however often the timer wakes.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(TickPacer::WakeMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &AnimationTimer::onWake);
}

void AnimationTimer::start()
{
    if (!m_on)
        m_pacer.restart();
    m_on = true;
    apply();
}

void AnimationTimer::stop()
{
    m_on = false;
    apply();
}

void AnimationTimer::hold()
{
    ++m_pauses;
    apply();
}

void AnimationTimer::release()
{
    if (m_pauses > 0)
        --m_pauses;
    apply();
}

void AnimationTimer::apply()
{
    const bool run = m_on && m_pauses == 0;
    if (run && !m_timer.isActive())
        m_timer.start();
    else if (!run && m_timer.isActive())
        m_timer.stop();
}

void AnimationTimer::onWake()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != m_window)
        return;
    const int due = m_pacer.stepsDue();
    if (due > 0)
        Q_EMIT steps(due);
}
