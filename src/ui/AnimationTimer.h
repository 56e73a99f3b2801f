// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TickPacer.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

// The clock of an animation that must stand still while the child is busy
// elsewhere: the palette of the main window, the bubbles of the colour
// picker. It steps at the pace of TickPacer and only while
//   - it was started (start()/stop() say whether the animation is on at all),
//   - no AnimationPause holds it (a stroke, a command with its prompts), and
//   - no modal window stands over its own window, so that a window opened
//     without a pause still never sees the animation move behind it.
// Pauses nest and end by scope, so an early return cannot leave the
// animation stopped, and a stop() (the program ends) is never undone by a
// pause that ends later.
class AnimationTimer : public QObject
{
    Q_OBJECT
public:
    // window: the window the animation is drawn in; modal windows of the
    // program other than this one hold the animation.
    explicit AnimationTimer(QWidget* window);

    // Switches the animation on; it steps once no pause holds it.
    void start();
    // Switches the animation off, whatever pauses end later.
    void stop();
    // The timer really runs: on, and not paused.
    bool isActive() const { return m_timer.isActive(); }

Q_SIGNALS:
    // The animation steps due at this wake: usually three, more when the
    // timer woke late. A handler moves by every one and draws once.
    void steps(int count);

private:
    friend class AnimationPause;
    void hold();
    void release();
    void apply();
    void onWake();

    QPointer<QWidget> m_window;
    QTimer m_timer;
    TickPacer m_pacer;
    int m_pauses = 0;
    bool m_on = false;
};
