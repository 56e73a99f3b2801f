// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyboardRule.h"

namespace KeyboardRule {

bool swallows(const KeyInfo& info)
{
    if (info.modifiers & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return true;
    switch (info.key) {
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Meta:
    case Qt::Key_Menu:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return true;
    default:
        return false;
    }
}

}
