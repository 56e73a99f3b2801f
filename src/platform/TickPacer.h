// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// Counts animation steps by the clock: a timer that wakes a little more often
// than a step is due asks how many steps are due now, so the animation keeps
// its rate on average whatever the timer's jitter. After a pause (a stroke,
// a modal window) it goes on from where it stood instead of catching up.
class TickPacer
{
public:
    // One step is 1/64 s: the speeds of the bubbles and the hot corner's
    // one second assume that rate.
    static constexpr qint64 StepNanoseconds = 15625000;
    static constexpr int MaxStepsAtOnce = 4;
    // How often the animation timers wake: every third step (a little
    // later, so that the odd wake takes four steps rather than two). The
    // window is repainted once per wake with what the steps changed; at the
    // bubbles' speeds (under a pixel a step at the middle speed) that looks
    // like repainting every step, and it is what keeps an idle program with
    // its bubbles floating under one percent of a core, X server included.
    static constexpr int WakeMilliseconds = 47;
    static constexpr int PauseSteps = 8;

    TickPacer() { m_clock.start(); }

    // Forgets the last step: the next call gives one step at once.
    void restart() { m_lastNs = -1; }

    int stepsDue() { return stepsDueAt(m_clock.nsecsElapsed()); }

    int stepsDueAt(qint64 nowNs)
    {
        if (m_lastNs < 0 || nowNs - m_lastNs > PauseSteps * StepNanoseconds) {
            m_lastNs = nowNs;
            return 1;
        }
        int steps = 0;
        while (nowNs - m_lastNs >= StepNanoseconds && steps < MaxStepsAtOnce) {
            m_lastNs += StepNanoseconds;
            ++steps;
        }
        return steps;
    }

private:
    QElapsedTimer m_clock;
    qint64 m_lastNs = -1;
};
