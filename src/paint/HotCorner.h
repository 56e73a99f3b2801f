// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

// Reveals auto-hidden parental buttons when the pointer rests in the top-left
// corner of the screen, and hides them again when it leaves. The palette
// animation advances it once per bubble per tick, so at 23 bubbles a reveal
// takes about 65 ticks in the corner.
class HotCorner
{
public:
    static constexpr int RevealCount = 1500;

    enum class Action { None, Show, Hide };

    // One step: pointer in screen coordinates; the corner reaches down to
    // buttonHeight and right to cornerWidth (both inclusive).
    Action step(QPoint pointer, int buttonHeight, int cornerWidth, bool buttonsVisible);

    int Hide_counter() const { return m_counter; }
    void reset() { m_counter = 0; }

private:
    int m_counter = 0;
};
