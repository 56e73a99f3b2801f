// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/HotCorner.h"

HotCorner::Action HotCorner::step(QPoint pointer, int buttonHeight, int cornerWidth, bool buttonsVisible)
{
    if (pointer.y() > buttonHeight || pointer.x() > cornerWidth) {
        m_counter = 0;
        return buttonsVisible ? Action::Hide : Action::None;
    }
    if (++m_counter == RevealCount) {
        m_counter = 0;
        return buttonsVisible ? Action::None : Action::Show;
    }
    return Action::None;
}
