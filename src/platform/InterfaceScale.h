// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QScreen;

// The interface is laid out for a 1024 x 768 screen. A larger screen shows
// that same design enlarged by one factor, so the bar, the bubbles, the
// canvas and every window grow together, and the bubbles' physics, the
// brushes and the hot corner stay in design pixels.
namespace InterfaceScale {

inline constexpr QSize DesignScreen{1024, 768};

// The factor for a screen of this logical size: as large as lets the whole
// design fit, never below 1.
qreal forScreen(QSize logicalSize);

// Enlarges everything Qt draws and reports by `factor`. Call it before the
// first window exists.
void apply(qreal factor);

// Applies the factor for the primary screen, unless whoever started the
// program chose one with QT_SCALE_FACTOR.
void applyForPrimaryScreen();

} // namespace InterfaceScale
