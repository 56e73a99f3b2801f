// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

// How the main window shares the screen it fills: the bar of tools and
// bubbles across the top, the canvas area below it. Windows that prepare
// pictures for the canvas measure them against that area.
namespace ScreenLayout {

constexpr int BarHeight = 132;

// The canvas area on a screen of the given size.
inline QSize canvasArea(QSize screen)
{
    return {screen.width(), qMax(1, screen.height() - BarHeight)};
}

} // namespace ScreenLayout
