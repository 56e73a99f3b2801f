// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// One colour bubble of the palette. Positions and speeds are palette pixels
// (per animation step) in single precision.
struct Bubble
{
    float x = 0;      // centre
    float y = 0;      // centre
    float dx = 0;     // horizontal step of the current tick
    float vy = 0;     // vertical step per tick, negative upwards
    float radius = 0; // half the bubble picture's width
    float phase = 0;  // wobble phase, 0 to 6.28
    qint32 colour = 0; // 0x00BBGGRR, or -1 for the colour-picker bubble
};
