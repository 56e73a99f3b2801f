// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/AnimationTimer.h"

// Holds an animation still for as long as it lives: around a stroke, a
// command with its prompts, a window opened over the animation. When the
// last pause ends, the animation steps again if it is still switched on.
class AnimationPause
{
public:
    // The timer outlives the pause: both belong to the same window.
    explicit AnimationPause(AnimationTimer& timer)
        : m_timer(timer)
    {
        timer.hold();
    }
    ~AnimationPause() { m_timer.release(); }
    AnimationPause(const AnimationPause&) = delete;
    AnimationPause& operator=(const AnimationPause&) = delete;

private:
    AnimationTimer& m_timer;
};
