// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/modHSL.h"

#include "paint/Rounding.h"

namespace modHSL {

namespace {

int clampChannel(int value)
{
    return value > 255 ? 255 : (value < 0 ? 0 : value);
}

} // namespace

HSL RGBtoHSL(qint32 colour)
{
    return RGBtoHSL(red(colour), green(colour), blue(colour));
}

HSL RGBtoHSL(int r, int g, int b)
{
    const int max = maximum(maximum(r, g), b);
    const int min = minimum(minimum(r, g), b);
    const double l = ((max + min) * 255.0 + 255.0) / 510.0;
    HSL out;
    out.L = roundHalfEven(l);
    if (max == min)
        return out;

    const double spread = max - min;
    const double s = l <= 127.5 ? (spread * 255.0 + 0.5) / (max + min)
                                : (spread * 255.0 + 0.5) / (510.0 - max - min);
    const double dR = ((max - r) * 42.5 + 0.5) / spread;
    const double dG = ((max - g) * 42.5 + 0.5) / spread;
    const double dB = ((max - b) * 42.5 + 0.5) / spread;
    double h;
    if (r == max)
        h = dB - dG;
    else if (g == max)
        h = 85.0 + dR - dB;
    else
        h = 170.0 + dG - dR;
    if (h < 0)
        h += 255.0;
    out.H = roundHalfEven(h);
    out.S = roundHalfEven(s);
    return out;
}

int hueToChannel(int p, int q, int h)
{
    if (h < 0)
        h += 255;
    else if (h > 255)
        h -= 255;
    double value;
    if (h < 42)
        value = p + ((q - p) * double(h) + 21.25) / 42.5;
    else if (h < 128)
        value = q;
    else if (h >= 170)
        value = p;
    else
        value = p + ((q - p) * double(170 - h) + 21.25) / 42.5;
    return roundHalfEven(value);
}

qint32 HSLtoRGB(const HSL& hsl)
{
    const int L = hsl.L;
    const int S = hsl.S;
    const int H = hsl.H;
    if (S == 0) {
        const int grey = clampChannel(roundHalfEven(L * 255.0 / 255.0));
        return rgb(grey, grey, grey);
    }
    const int m2 = L <= 127.5 ? roundHalfEven((L * (255.0 + S) + 127.5) / 255.0)
                              : roundHalfEven(L + S - (double(L) * S + 127.5) / 255.0);
    const int m1 = 2 * L - m2;
    auto channel = [&](int hue) {
        const int c = hueToChannel(m1, m2, hue);
        // With halves to even this turns every odd level into the next even one.
        return clampChannel(roundHalfEven((c * 255.0 + 127.5) / 255.0));
    };
    return rgb(channel(H + 85), channel(H), channel(H - 85));
}

} // namespace modHSL
