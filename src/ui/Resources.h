// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ResourceIds.h"

#include <QCursor>
#include <QImage>
#include <QString>

// The art compiled into the program, addressed by the numbers and names the
// windows use. A missing resource gives a null image (or the arrow cursor),
// never an error: every user copes with an absent picture.
namespace Resources {

// Button bitmap by number, a BitmapId (":/bitmaps/N.png"), as RGB32.
QImage bitmap(int number);
// Palette bubble sprite 0..22 (":/bubbles/I.png"), as RGB32.
QImage bubble(int index);
// Colour-picker bubble 0..17 (":/picker/I.png"), as RGB32.
QImage pickerBubble(int index);
// Brush shape 0..2 (":/brushes/I.png"), as RGB32.
QImage brush(int index);
// Cursor by number, a CursorId, with its hot spot; keeps transparency.
QCursor cursor(int number);
// Whether cursor resource NUMBER is part of the program.
bool hasCursor(int number);
// The hand shown over everything clickable.
inline QCursor handCursor() { return cursor(CursorId::Hand); }
// A named picture (":/pictures/NAME.jpg", or the exact path when NAME
// already has a suffix), as RGB32.
QImage picture(const QString& name);

} // namespace Resources
