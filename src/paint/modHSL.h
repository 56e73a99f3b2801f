// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Conversions between RGB colours (0x00BBGGRR) and hue, saturation and
// lightness, all three on a scale of 0 to 255. Every rounding goes to the
// nearest integer with halves to even, so the results are exact and
// repeatable: pure red (255, 0, 0) gives (0, 255, 128) and comes back as
// (254, 2, 2). A grey keeps no hue nor saturation, but only 129 of the 256
// come back unchanged: the even levels and white; an odd level comes back
// one level lighter.
namespace modHSL {

struct HSL
{
    int H = 0;
    int S = 0;
    int L = 0;
    friend bool operator==(const HSL&, const HSL&) = default;
};

inline int red(qint32 colour) { return colour & 0xFF; }
inline int green(qint32 colour) { return (colour >> 8) & 0xFF; }
inline int blue(qint32 colour) { return (colour >> 16) & 0xFF; }
inline int maximum(int a, int b) { return a > b ? a : b; }
inline int minimum(int a, int b) { return a < b ? a : b; }
inline qint32 rgb(int r, int g, int b) { return qint32(r | (g << 8) | (b << 16)); }

HSL RGBtoHSL(qint32 colour);
HSL RGBtoHSL(int r, int g, int b);
qint32 HSLtoRGB(const HSL& hsl);
// One channel of HSLtoRGB: the level between p and q that hue h gives.
int hueToChannel(int p, int q, int h);

} // namespace modHSL
