// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>

// The rule that keeps a child inside the program: which key events never
// reach the system or the program. Alt combinations (task switching,
// closing the window), Ctrl combinations, the Super and Menu keys, and the
// Shift, Ctrl and Alt keys themselves are swallowed; letters, digits,
// arrows, function keys and Escape pass.
namespace KeyboardRule {

struct KeyInfo
{
    int key = 0;                               // Qt::Key
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

bool swallows(const KeyInfo& info);
inline bool swallows(const QKeyEvent& event)
{
    return swallows({event.key(), event.modifiers()});
}

}
