// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyboardFilter.h"

// How this desktop lets the program keep shortcuts away from it, as the
// grabber of KeyboardFilter:
//   X11      the keyboard grab of the focused window; under XWayland the
//            compositor is first told the window may grab (mutter ignores a
//            grab it was not told of)
//   Wayland  a keyboard-shortcuts inhibitor for each window that takes focus
//   other    nothing beyond the program's own swallow rule
namespace KeyboardLock {

KeyboardFilter::Grabber forPlatform();

// Whether an X11 program runs on a Wayland desktop through XWayland.
bool isXWayland();

}
